#pragma once

namespace Module1 {

// The start-up: brings up the hotkey window and, until the settings have been
// confirmed once, the settings window.
void Main();

}  // namespace Module1
