// A tiny program on the forms runtime whose button raises a run-time error
// that no handler takes; the tests start it to see what the runtime does.

#include "platform/Form.h"
#include "platform/RuntimeError.h"

namespace {

constexpr int IdRaise = 100;
constexpr forms::ControlLayout Controls[] = {
    {IdRaise, forms::ControlKind::CommandButton, "Raise", 120, 120, 1200, 400, 0},
};
constexpr forms::FormLayout Layout{"ProbeForm", "Probe", 3000, 1500, forms::BorderStyle::Sizable, true, true, Controls};

class ProbeForm : public forms::Form {
public:
    ProbeForm() : Form(Layout) {}

protected:
    void Control_Click(int) override { forms::RaiseOverflow(); }
};

ProbeForm probe;

}  // namespace

// Exit code when the error did not end the program.
constexpr int Survived = 7;

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    probe.Show();
    PostMessageA(GetDlgItem(probe.hWnd(), IdRaise), BM_CLICK, 0, 0);
    forms::RunMessageLoop();
    return Survived;
}
