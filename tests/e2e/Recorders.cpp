#include "e2e/Recorders.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

namespace {

constexpr const char* OpenCommandKey = "Software\\Classes\\https\\shell\\open\\command";

}  // namespace

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

std::string FolderOfThisExe()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\'));
}

std::vector<std::string> LinesOf(const std::string& file)
{
    std::vector<std::string> lines;
    if (FILE* in = std::fopen(file.c_str(), "r")) {
        char line[1024];
        while (std::fgets(line, sizeof line, in)) lines.emplace_back(line, std::strcspn(line, "\r\n"));
        std::fclose(in);
    }
    return lines;
}

BrowserRecorder::BrowserRecorder() : saved_(ReadValue(HKEY_LOCAL_MACHINE, OpenCommandKey, ""))
{
    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof temp, temp);
    log_ = std::string(temp) + "opened addresses.txt";
    DeleteFileA(log_.c_str());
    const std::string command = Quoted(FolderOfThisExe() + "\\url_recorder.exe") + " " + Quoted(log_) + " \"%1\"";
    WriteValue(HKEY_LOCAL_MACHINE, OpenCommandKey, "", REG_SZ, command + '\0');
}

BrowserRecorder::~BrowserRecorder()
{
    if (saved_)
        WriteValue(HKEY_LOCAL_MACHINE, OpenCommandKey, "", saved_->type, saved_->data);
    else
        DeleteValue(HKEY_LOCAL_MACHINE, OpenCommandKey, "");
    DeleteFileA(log_.c_str());
}

ToolStandIn::ToolStandIn(const std::string& path) : path_(path)
{
    CreateDirectoryA(path.substr(0, path.find_last_of('\\')).c_str(), nullptr);
    CopyFileA((FolderOfThisExe() + "\\tool_stand_in.exe").c_str(), path.c_str(), FALSE);
    DeleteFileA((path + ".log").c_str());
}

ToolStandIn::~ToolStandIn()
{
    DeleteFileA((path_ + ".log").c_str());
    DeleteFileA(path_.c_str());
    RemoveDirectoryA(path_.substr(0, path_.find_last_of('\\')).c_str());
}
