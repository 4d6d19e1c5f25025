#pragma once

namespace Module1 {

// The start-up: brings up the tray window with its icon and the hotkey window
// and, until the settings have been confirmed once, the settings window.
void Main();

}  // namespace Module1
