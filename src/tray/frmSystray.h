#pragma once
// The tray window: hidden, it owns the icon in the notification area, turns
// the icon's callbacks into its mouse-move event and carries the tray menu.

#include "platform/Form.h"

#include <cstdint>

class FrmSystray : public forms::Form {
public:
    FrmSystray();

protected:
    void Form_Load() override;
    void Form_Unload(int16_t& cancel) override;
    void Menu_Click(int itemId) override;
    bool OwnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Form_MouseMove(int16_t& Button, int16_t& Shift, float& X, float& Y);
    void mnuHelp_Click();
    void mnuAbout_Click();
    void mnuSettings_Click();
    void mnuSupport_Click();
    void mnuClose_Click();
    void mnuExit_Click();
};

extern FrmSystray frmSystray;
