#include "settings/frmConfig.h"

#include "hotkey/Module1.h"
#include "hotkey/SettingsLayout.h"
#include "hotkey/frmHotKeys.h"
#include "platform/App.h"
#include "platform/Conversions.h"
#include "platform/RegKey.h"
#include "tray/frmSystray.h"

namespace {

using forms::ControlKind;

enum ControlId {
    IdLabel5 = 100, IdLabel3, IdChkCtrl1, IdChkAlt1, IdChkShift1, IdCboKey1, IdLabel2, IdCheck1, IdCmdSave,
    IdCommand1,
};

constexpr double TitleFont = 17.25;
constexpr double CaptionFont = 13.5;

// Left, Top, Width, Height in twips; then the tab index.
constexpr forms::ControlLayout Controls[] = {
    {IdLabel5, ControlKind::Label, "Configure Vendrel pro before running", 240, 120, 5910, 435, 7, TitleFont, true},
    {IdLabel3, ControlKind::Label, "Hotkey (press)", 240, 720, 1815, 360, 9, CaptionFont, true},
    {IdChkCtrl1, ControlKind::CheckBox, "Control ", 2520, 780, 1095, 375, 0},
    {IdChkAlt1, ControlKind::CheckBox, "Alt", 3480, 780, 1215, 375, 1},
    {IdChkShift1, ControlKind::CheckBox, "Shift", 4200, 780, 1215, 375, 2},
    {IdCboKey1, ControlKind::ComboDropDown, "", 5040, 790, 975, 315, 3},
    {IdLabel2, ControlKind::Label, "to lock screen", 6240, 720, 2235, 435, 8, TitleFont, true},
    {IdCheck1, ControlKind::CheckBox, "Automatically load this app alongside windows startup", 240, 1320, 4335, 375, 5},
    {IdCmdSave, ControlKind::CommandButton, "OK", 5400, 1920, 1455, 495, 4},
    {IdCommand1, ControlKind::CommandButton, "Cancel", 7080, 1920, 1455, 495, 6},
};

constexpr forms::FormLayout Layout{
    "frmConfig", "Vendrel pro configuration", 8790, 2715, forms::BorderStyle::FixedSingle, false, false, Controls,
};

constexpr const char* SavedText = "Settings saved!";
// Query, set, create subkey, enumerate, notify and create link: the six key
// rights, without any standard rights.
constexpr REGSAM RunKeyAccess = 0x3F;

int CheckedIf(bool condition) { return condition ? 1 : 0; }

// The executable's full path in double quotes, so that Windows, starting it at
// logon, can never split a path with blanks and run another program instead.
// It is kept whole, in UTF-16, for a folder named outside the ANSI code page.
std::wstring QuotedExecutablePath() { return L"\"" + forms::App::FullPathW() + L"\""; }

}  // namespace

FrmConfig frmConfig;

FrmConfig::FrmConfig()
    : Form(Layout),
      chkCtrl1(*this, IdChkCtrl1),
      chkAlt1(*this, IdChkAlt1),
      chkShift1(*this, IdChkShift1),
      cboKey1(*this, IdCboKey1),
      Check1(*this, IdCheck1),
      cmdSave(*this, IdCmdSave),
      Command1(*this, IdCommand1)
{
}

forms::Boolean FrmConfig::AddAppToStartup(const std::wstring& appPath, const std::string& appName)
{
    // A new profile or a registry cleaner can leave no Run key at all.
    forms::RegKey run;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, RunKeyPath, 0, nullptr, 0, RunKeyAccess, nullptr, run.put(), nullptr) !=
        ERROR_SUCCESS)
        return forms::False;
    const LONG result = RegSetValueExW(run.get(), forms::AnsiToWide(appName).c_str(), 0, REG_SZ,
                                       reinterpret_cast<const BYTE*>(appPath.c_str()),
                                       static_cast<DWORD>((appPath.size() + 1) * sizeof(wchar_t)));
    return result == ERROR_SUCCESS ? forms::True : forms::False;
}

forms::Boolean FrmConfig::RemoveAppFromStartup(const std::string& appName)
{
    forms::RegKey run;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, RunKeyPath, 0, RunKeyAccess, run.put()) != ERROR_SUCCESS)
        return forms::False;
    return RegDeleteValueA(run.get(), appName.c_str()) == ERROR_SUCCESS ? forms::True : forms::False;
}

void FrmConfig::Control_Click(int controlId)
{
    switch (controlId) {
    case IdCommand1: Command1_Click(); break;
    case IdCmdSave: cmdSave_Click(); break;
    }
}

void FrmConfig::Command1_Click() { Unload(); }

void FrmConfig::Form_Load()
{
    for (char letter = 'A'; letter <= 'Z'; ++letter) cboKey1.AddItem(std::string(1, letter));
    for (int digit = 0; digit <= 9; ++digit) cboKey1.AddItem(forms::Str(digit));

    // A hand-edited number too large for 16 bits leaves the box unchecked
    // instead of keeping the window from opening.
    const double autoboot = forms::Val(settings::Read(settings::Autoboot));
    Check1.SetValue(CheckedIf(forms::FitsInt16(autoboot) && forms::CInt(autoboot) == 1));

    LoadHotkeySettings();
}

void FrmConfig::LoadHotkeySettings()
{
    // Unlike the registration, these boxes test the number itself, unrounded.
    chkCtrl1.SetValue(CheckedIf(forms::Val(settings::Read(settings::Ctrl)) != 0));
    chkAlt1.SetValue(CheckedIf(forms::Val(settings::Read(settings::Alt)) != 0));
    chkShift1.SetValue(CheckedIf(forms::Val(settings::Read(settings::Shift)) != 0));
    cboKey1.SetText(settings::Read(settings::Key));
}

void FrmConfig::SaveHotkeySettings()
{
    settings::Write(settings::Ctrl, forms::Str(chkCtrl1.Value()));
    settings::Write(settings::Alt, forms::Str(chkAlt1.Value()));
    settings::Write(settings::Shift, forms::Str(chkShift1.Value()));
    settings::Write(settings::Key, cboKey1.Text());
}

void FrmConfig::cmdSave_Click()
{
    SaveHotkeySettings();

    // With the tray window closed by its close box, the program would run on
    // with no icon and no way to end it: the tray comes back, and loading it
    // brings the hotkey window back too.
    if (!frmSystray.IsLoaded()) frmSystray.Load();
    // Reading the handle loads the hotkey window if it was unloaded.
    if (HWND hotkeyWindow = frmHotKeys.hWnd()) Module1::ApplyHotkeySettings(hotkeyWindow);

    const std::string appName = forms::App::EXEName();
    if (Check1.Value() == 1) {
        settings::Write(settings::Autoboot, "1");
        AddAppToStartup(QuotedExecutablePath(), appName);
    } else {
        RemoveAppFromStartup(appName);
        settings::Write(settings::Autoboot, "0");
    }
    settings::Write(settings::Configured, settings::ConfiguredText);

    forms::MsgBox(SavedText, MB_OK);
    Unload();
}
