// The program's entry point: the start-up, then the message loop for as long as
// any window is loaded.

#include "platform/Form.h"
#include "platform/RuntimeError.h"
#include "tray/Main.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    forms::RunEntryPoint(Module1::Main);
    forms::RunMessageLoop();
    return 0;
}
