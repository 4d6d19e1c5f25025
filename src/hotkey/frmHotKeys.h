#pragma once
// The hidden hotkey window: it exists to receive the lock hotkey.

#include "platform/Form.h"

#include <cstdint>

class FrmHotKeys : public forms::Form {
public:
    FrmHotKeys();

    void LockScreen();
    void HotkeyPressed(int32_t id);

protected:
    void Form_Load() override;
    void Form_Unload(int16_t& cancel) override;
    void Control_Click(int controlId) override;

private:
    void Command1_Click();

    forms::Control Command1;
};

extern FrmHotKeys frmHotKeys;
