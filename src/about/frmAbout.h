#pragma once
// The About window: the program's title, version, the maker's copyright line
// and web address, and the launcher of the System Information tool.

#include "platform/Boolean.h"
#include "platform/Form.h"

#include <windows.h>

#include <string>

class FrmAbout : public forms::Form {
public:
    FrmAbout();

    // Finds the System Information tool through the registry and starts it, or
    // tells the user that it is unavailable. No error leaves it.
    void StartSysInfo();
    // Reads one registry value as text into KeyVal; true once the value was read.
    forms::Boolean GetKeyValue(HKEY KeyRoot, const std::string& KeyName, const std::string& SubKeyRef,
                               std::string& KeyVal);

    forms::Control picIcon, cmdOK, cmdSysInfo, Label1, lblDescription, lblTitle, lblVersion;

protected:
    void Form_Load() override;
    void Control_Click(int controlId) override;

private:
    void cmdSysInfo_Click();
    void cmdOK_Click();
    void Label1_Click();
    bool FindToolInFolder(std::string& ToolPath);
};

extern FrmAbout frmAbout;
