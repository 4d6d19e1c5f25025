#include "tray/frmSystray.h"

#include "about/frmAbout.h"
#include "about/frmSupport.h"
#include "hotkey/frmHotKeys.h"
#include "platform/Conversions.h"
#include "platform/MakerSite.h"
#include "settings/frmConfig.h"
#include "tray/modsystray.h"

#include <shellapi.h>

#include <algorithm>
#include <cstring>

namespace {

enum MenuId {
    IdMnuHelp = 200, IdMnuAbout, IdMnuSpc1, IdMnuSettings, IdMnuSpc2, IdMnuSupport, IdMnuSpc3, IdMnuClose, IdMnuExit,
};

// mnuTray, top to bottom.
constexpr forms::MenuItemLayout MnuTray[] = {
    {IdMnuHelp, "Get help"},
    {IdMnuAbout, "About"},
    {IdMnuSpc1, forms::MenuSeparator},
    {IdMnuSettings, "Settings"},
    {IdMnuSpc2, forms::MenuSeparator},
    {IdMnuSupport, "Support Vendrel Pro"},
    {IdMnuSpc3, forms::MenuSeparator},
    {IdMnuClose, "Close menu"},
    {IdMnuExit, "E&xit"},
};

constexpr forms::FormLayout Layout{
    "frmSystray", "Systray form", 4560, 3015, forms::BorderStyle::Sizable, true, true, {}, nullptr, MnuTray,
};

// Sent to every top-level window when the notification area is created anew
// (Explorer restarted, or a logon start that came before it was ready).
UINT TaskbarCreatedMessage()
{
    static const UINT message = RegisterWindowMessageA("TaskbarCreated");
    return message;
}

}  // namespace

FrmSystray frmSystray;

FrmSystray::FrmSystray() : Form(Layout) {}

void FrmSystray::Form_Load()
{
    using modsystray::TrayIconData;
    SetVisible(false);
    TrayIconData.cbSize = sizeof TrayIconData;
    TrayIconData.hWnd = hWnd();
    TrayIconData.uID = modsystray::TrayIconId;
    TrayIconData.uFlags = modsystray::TrayIconFlags;
    TrayIconData.uCallbackMessage = modsystray::TrayCallbackMessage;
    TrayIconData.hIcon = Icon();
    // The tip, one NUL, then blanks to the end of the field.
    std::memset(TrayIconData.szTip, ' ', sizeof TrayIconData.szTip);
    const size_t tipLength = std::min(std::strlen(modsystray::TrayTip), sizeof TrayIconData.szTip);
    std::memcpy(TrayIconData.szTip, modsystray::TrayTip, tipLength);
    if (tipLength < sizeof TrayIconData.szTip) TrayIconData.szTip[tipLength] = '\0';
    frmHotKeys.SetVisible(false);  // loads it: hooked, hotkey registered
    modsystray::NotifyTray(NIM_ADD);
}

void FrmSystray::Form_Unload(int16_t&)
{
    frmHotKeys.Unload();
    modsystray::NotifyTray(NIM_DELETE);
}

bool FrmSystray::OwnMessage(UINT message, WPARAM, LPARAM lParam)
{
    if (message == modsystray::TrayCallbackMessage) {
        // The mouse message arrives as the event's X, in twips.
        int16_t button = 0, shift = 0;
        float x = static_cast<float>(LOWORD(lParam) * forms::TwipsPerPixelX()), y = 0;
        Form_MouseMove(button, shift, x, y);
        return true;
    }
    if (message == TaskbarCreatedMessage()) {
        modsystray::NotifyTray(NIM_ADD);
        return true;
    }
    return false;
}

void FrmSystray::Form_MouseMove(int16_t&, int16_t&, float& X, float&)
{
    switch (forms::CLng(X / forms::TwipsPerPixelX())) {
    case WM_LBUTTONDBLCLK:
        SetVisible(true);
        SetWindowState(forms::WindowStateNormal);
        break;
    case WM_RBUTTONUP: PopupMenu(); break;
    }
}

void FrmSystray::Menu_Click(int itemId)
{
    switch (itemId) {
    case IdMnuHelp: mnuHelp_Click(); break;
    case IdMnuAbout: mnuAbout_Click(); break;
    case IdMnuSettings: mnuSettings_Click(); break;
    case IdMnuSupport: mnuSupport_Click(); break;
    case IdMnuClose: mnuClose_Click(); break;
    case IdMnuExit: mnuExit_Click(); break;
    }
}

void FrmSystray::mnuHelp_Click()
{
    ShellExecuteA(hWnd(), "open", maker::SupportPage.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void FrmSystray::mnuAbout_Click() { frmAbout.Show(); }

void FrmSystray::mnuSettings_Click()
{
    frmConfig.Load();
    frmConfig.Show();
}

void FrmSystray::mnuSupport_Click() { frmSupport.Show(); }

void FrmSystray::mnuClose_Click() {}

void FrmSystray::mnuExit_Click()
{
    modsystray::NotifyTray(NIM_DELETE);
    Unload();  // its own unload sends a second delete, which finds no icon
    forms::End();
}
