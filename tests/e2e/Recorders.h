#pragma once
// What the program opens and starts, seen from outside through stand-ins: the
// prefix's web browser replaced by a recorder of addresses, and a stand-in for
// the System Information tool that records each start.

#include "support/TestRegistry.h"

#include <optional>
#include <string>
#include <vector>

std::string Quoted(const std::string& path);
// The folder of the running test executable, where the stand-ins are built.
std::string FolderOfThisExe();
// The lines of a text file, none when it does not exist.
std::vector<std::string> LinesOf(const std::string& file);

// The prefix's web browser replaced by a recorder of the addresses it is
// asked to open; the browser comes back when the test ends.
class BrowserRecorder {
public:
    BrowserRecorder();
    ~BrowserRecorder();
    BrowserRecorder(const BrowserRecorder&) = delete;
    BrowserRecorder& operator=(const BrowserRecorder&) = delete;
    std::vector<std::string> Opened() const { return LinesOf(log_); }

private:
    std::optional<RegValue> saved_;
    std::string log_;
};

// A copy of the stand-in tool at `path`; each start of it appends its command
// line to `path` + ".log". The copy and its log go when the object goes.
class ToolStandIn {
public:
    explicit ToolStandIn(const std::string& path);
    ~ToolStandIn();
    ToolStandIn(const ToolStandIn&) = delete;
    ToolStandIn& operator=(const ToolStandIn&) = delete;
    const std::string& Path() const { return path_; }
    std::vector<std::string> Starts() const { return LinesOf(path_ + ".log"); }

private:
    std::string path_;
};
