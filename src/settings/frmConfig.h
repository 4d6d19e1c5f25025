#pragma once
// The settings window: the hotkey chord, whether the program starts with
// Windows, and the Run value that makes it do so.

#include "platform/Boolean.h"
#include "platform/Form.h"

#include <string>

class FrmConfig : public forms::Form {
public:
    FrmConfig();

    forms::Boolean AddAppToStartup(const std::wstring& appPath, const std::string& appName);
    forms::Boolean RemoveAppFromStartup(const std::string& appName);

    forms::Control chkCtrl1, chkAlt1, chkShift1, cboKey1, Check1, cmdSave, Command1;

protected:
    void Form_Load() override;
    void Control_Click(int controlId) override;

private:
    void Command1_Click();
    void cmdSave_Click();
    void SaveHotkeySettings();
    void LoadHotkeySettings();
};

extern FrmConfig frmConfig;

// The per-user key whose values Windows starts at logon.
inline constexpr const char* RunKeyPath = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
