#include "hotkey/frmHotKeys.h"

#include "hotkey/Module1.h"
#include "settings/frmConfig.h"

namespace {

enum ControlId { IdCommand1 = 100 };

constexpr forms::ControlLayout Controls[] = {
    {IdCommand1, forms::ControlKind::CommandButton, "Configure", 1560, 1200, 1215, 615, 0},
};

constexpr forms::FormLayout Layout{
    "frmHotKeys", "Form1", 4560, 3015, forms::BorderStyle::Sizable, true, true, Controls,
};

constexpr const char* LockFailedText = "Failed to lock workstation.";

}  // namespace

FrmHotKeys frmHotKeys;

FrmHotKeys::FrmHotKeys() : Form(Layout), Command1(*this, IdCommand1) {}

void FrmHotKeys::LockScreen()
{
    if (LockWorkStation() == 0) forms::MsgBox(LockFailedText, MB_OK | MB_ICONEXCLAMATION);
}

void FrmHotKeys::HotkeyPressed(int32_t id)
{
    if (id == Module1::LockHotkeyId) LockScreen();
}

void FrmHotKeys::Form_Load()
{
    // The window procedure is replaced before the hotkey can arrive.
    Module1::HookWindow(hWnd());
    Module1::ApplyHotkeySettings(hWnd());
}

void FrmHotKeys::Form_Unload(int16_t&)
{
    // Both happen while the window still exists.
    UnregisterHotKey(hWnd(), Module1::LockHotkeyId);
    Module1::UnhookWindow();
}

void FrmHotKeys::Control_Click(int controlId)
{
    switch (controlId) {
    case IdCommand1: Command1_Click(); break;
    }
}

void FrmHotKeys::Command1_Click() { frmConfig.Show(); }
