#include "about/frmAbout.h"

#include "about/AboutIcon.h"
#include "platform/App.h"
#include "platform/Conversions.h"
#include "platform/Files.h"
#include "platform/MakerSite.h"
#include "platform/Programs.h"
#include "platform/RegKey.h"
#include "platform/RuntimeError.h"

#include <shellapi.h>

#include <cstring>

namespace {

using forms::ControlKind;

enum ControlId { IdPicIcon = 100, IdCmdOK, IdCmdSysInfo, IdLabel1, IdLblDescription, IdLblTitle, IdLblVersion };

constexpr double Font = forms::DefaultFontPoints;

// Left, Top, Width, Height in twips; the tab index; then font, auto-size, text
// colour and button roles where they differ from the defaults.
constexpr forms::ControlLayout Controls[] = {
    {IdPicIcon, ControlKind::PictureBox, nullptr, 240, 240, 480, 480, 1},  // the application icon
    {IdCmdOK, ControlKind::CommandButton, "OK", 4245, 2625, 1260, 345, 0, Font, false, forms::ButtonText,
     forms::DefaultButton | forms::CancelButton},
    {IdCmdSysInfo, ControlKind::CommandButton, "&System Info...", 4260, 3075, 1245, 345, 2},
    {IdLabel1, ControlKind::Link, maker::Host.data(), 1080, 1440, 3975, 375, 6, Font, false, forms::Highlight},
    {IdLblDescription, ControlKind::Label, forms::App::LegalCopyright, 1050, 1125, 3885, 450, 3, Font, false,
     forms::Black},
    {IdLblTitle, ControlKind::Label, "Application Title", 1050, 240, 3885, 480, 4, Font, false, forms::Black},
    {IdLblVersion, ControlKind::Label, "Version", 1050, 780, 3885, 225, 5},
};

// Line1(0) and Line1(1), by index: a wide white line with a grey one drawn over
// its upper half, an etched rule between the texts and the buttons. End points
// in twips.
constexpr forms::LineLayout Lines[] = {
    {105, 2460, 5654, 2460, forms::White, 2},
    {90, 2445, 5654, 2445, forms::Grey, 1, forms::LineStyle::InsideSolid},
};

constexpr forms::FormLayout Layout{
    .className = "frmAbout",
    .caption = "About MyApp",
    .clientWidth = 5730,
    .clientHeight = 3555,
    .border = forms::BorderStyle::FixedDialog,
    .minButton = false,
    .maxButton = false,
    .controls = Controls,
    .icon = &AboutIcon,  // its own drawing, not the application icon
    .lines = Lines,
    .clientPlace = forms::ScreenPlace{2340, 1935},
};

// The two registry places of the System Information tool, tried in this order:
// the tool's full path, then the folder that holds it.
constexpr const char* ToolPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr const char* ToolPathValue = "PATH";
constexpr const char* ToolFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
constexpr const char* ToolFolderValue = "MSINFO";
constexpr const char* ToolFileName = "\\MSINFO32.EXE";
constexpr const char* ToolUnavailableText = "System Information Is Unavailable At This Time";

constexpr DWORD ValueBufferSize = 1024;

}  // namespace

FrmAbout frmAbout;

FrmAbout::FrmAbout()
    : Form(Layout),
      picIcon(*this, IdPicIcon),
      cmdOK(*this, IdCmdOK),
      cmdSysInfo(*this, IdCmdSysInfo),
      Label1(*this, IdLabel1),
      lblDescription(*this, IdLblDescription),
      lblTitle(*this, IdLblTitle),
      lblVersion(*this, IdLblVersion)
{
}

void FrmAbout::StartSysInfo()
{
    // Every failure, whether a run-time error caused it or not, ends in the
    // one message, which never tells which it was.
    try {
        std::string ToolPath;
        // The first place names the tool itself: started as read, untested.
        if (GetKeyValue(HKEY_LOCAL_MACHINE, ToolPathKey, ToolPathValue, ToolPath) || FindToolInFolder(ToolPath)) {
            forms::StartProgram(ToolPath, SW_SHOWNORMAL);
            return;
        }
    } catch (const forms::RuntimeError&) {
    }
    forms::MsgBox(ToolUnavailableText, MB_OK);
}

// The second place names a folder; the tool counts only when the folder holds it.
bool FrmAbout::FindToolInFolder(std::string& ToolPath)
{
    if (!GetKeyValue(HKEY_LOCAL_MACHINE, ToolFolderKey, ToolFolderValue, ToolPath)) return false;
    if (forms::Dir(ToolPath + ToolFileName).empty()) return false;
    ToolPath += ToolFileName;
    return true;
}

forms::Boolean FrmAbout::GetKeyValue(HKEY KeyRoot, const std::string& KeyName, const std::string& SubKeyRef,
                                     std::string& KeyVal)
{
    // Read access only: the reader never writes, and a standard user is
    // refused write rights on a machine-wide key.
    forms::RegKey key;
    if (RegOpenKeyExA(KeyRoot, KeyName.c_str(), 0, KEY_QUERY_VALUE, key.put()) != ERROR_SUCCESS) {
        KeyVal.clear();
        return forms::False;
    }

    // One fixed buffer: a larger value fails like a missing one.
    std::string buffer(ValueBufferSize, '\0');
    DWORD type = 0, size = ValueBufferSize;
    if (RegQueryValueExA(key.get(), SubKeyRef.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()),
                         &size) != ERROR_SUCCESS) {
        KeyVal.clear();
        return forms::False;
    }

    // Only the last byte written is tested: a stored terminating NUL goes, a
    // second one stays. A NUL byte is never part of a double-byte character.
    // An empty value has no last byte: a run-time error, and the key is closed
    // on the way out all the same.
    if (size == 0) forms::RaiseInvalidCall();
    const std::string text = buffer.substr(0, buffer[size - 1] == '\0' ? size - 1 : size);

    switch (type) {
    case REG_SZ: KeyVal = text; break;
    case REG_DWORD: {
        DWORD number = 0;
        std::memcpy(&number, buffer.data(), sizeof number);
        KeyVal = "&h" + forms::Hex(number);
        break;
    }
    default: break;  // any other type keeps the text KeyVal held
    }
    return forms::True;
}

void FrmAbout::Control_Click(int controlId)
{
    switch (controlId) {
    case IdCmdSysInfo: cmdSysInfo_Click(); break;
    case IdCmdOK: cmdOK_Click(); break;
    case IdLabel1: Label1_Click(); break;
    }
}

void FrmAbout::cmdSysInfo_Click() { StartSysInfo(); }

void FrmAbout::cmdOK_Click() { Unload(); }

void FrmAbout::Form_Load()
{
    using forms::Str;
    SetCaption(std::string("About ") + forms::App::Title);
    lblVersion.SetText("Version " + Str(forms::App::Major) + "." + Str(forms::App::Minor) + "." +
                       Str(forms::App::Revision));
    lblTitle.SetText(forms::App::Title);
}

void FrmAbout::Label1_Click()
{
    // Whatever the shell answers, the window stays as it is.
    ShellExecuteA(hWnd(), "OPEN", maker::HomePage.c_str(), nullptr, "", SW_SHOWNORMAL);
}
