#include "platform/MessageLoop.h"

#include "platform/App.h"
#include "platform/Form.h"
#include "platform/RuntimeError.h"

#include <algorithm>

namespace forms {

int MsgBox(std::string_view prompt, UINT style)
{
    return MessageBoxA(nullptr, std::string(prompt).c_str(), App::Title, style | MB_TASKMODAL);
}

bool AnyFormLoaded()
{
    return std::any_of(AllForms().begin(), AllForms().end(), [](const Form* f) { return f->IsLoaded(); });
}

void RunMessageLoop()
{
    MSG msg;
    while (AnyFormLoaded()) {
        if (GetMessageA(&msg, nullptr, 0, 0) <= 0) return;
        ProcessMessage(msg);
    }
}

void ProcessMessage(MSG& msg)
{
    HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    if (root && FormOfWindow(root) && IsDialogMessageA(root, &msg)) return;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
}

void End()
{
    for (Form* form : AllForms())
        if (form->IsLoaded()) form->DestroyWindowOnly();
    ExitProcess(0);
}

void RaiseOverflow() { throw RuntimeError(ErrOverflow, "Overflow"); }
void RaiseInvalidCall() { throw RuntimeError(ErrInvalidCall, "Invalid procedure call or argument"); }
void RaiseFileNotFound() { throw RuntimeError(ErrFileNotFound, "File not found"); }

void ReportUnhandledError(const std::exception& error)
{
    std::string text;
    if (auto* runtime = dynamic_cast<const RuntimeError*>(&error))
        text = "Run-time error '" + std::to_string(runtime->Number()) + "':\n\n" + runtime->Description();
    else
        text = std::string("Run-time error:\n\n") + error.what();
    MsgBox(text, MB_OK | MB_ICONERROR);
    End();
}

}  // namespace forms
