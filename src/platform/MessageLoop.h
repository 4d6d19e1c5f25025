#pragma once
// The program's message loop, its message boxes and the end of the program.

#include <windows.h>

#include <string_view>

namespace forms {

// A message box for the whole program (task-modal, no owner), captioned with the
// application title. Its own loop keeps dispatching every window's messages.
int MsgBox(std::string_view prompt, UINT style = MB_OK);

// Dispatches messages, with dialog navigation, until no form is loaded.
void RunMessageLoop();
// Dispatches one message as the loop does: Tab, Enter and Escape in a form
// navigate it like a dialog.
void ProcessMessage(MSG& msg);
bool AnyFormLoaded();

// Destroys every window and ends the process at once.
[[noreturn]] void End();

}  // namespace forms
