#include "about/frmSupport.h"

#include "platform/MakerSite.h"

#include <shellapi.h>

namespace {

using forms::ControlKind;

enum ControlId { IdCommand1 = 100, IdLabel2, IdLabel1 };

constexpr const char* AppealText =
    "If you like my work and want to show some support or thanks, The best (free) way to do this, is simply? to "
    "recommend Brimwick to a friend! It will only take a few moments of your time, and would mean the world to "
    "me! A personal recommendation is worth more than $$$";

// Left, Top, Width, Height in twips; the tab index; the font size. The labels
// keep their size and wrap their text at word boundaries.
constexpr forms::ControlLayout Controls[] = {
    {IdCommand1, ControlKind::CommandButton, "Click here", 4680, 2400, 2775, 855, 1, 15},
    {IdLabel2, ControlKind::Label, "To recommend now!", 4680, 3480, 2775, 495, 2, 12},
    {IdLabel1, ControlKind::Label, AppealText, 240, 240, 7335, 2055, 0, 13.5},
};

constexpr forms::FormLayout Layout{
    "frmSupport", "Support Brimwick", 7725, 4155, forms::BorderStyle::Sizable, true, true, Controls,
};

}  // namespace

FrmSupport frmSupport;

FrmSupport::FrmSupport() : Form(Layout), Command1(*this, IdCommand1), Label2(*this, IdLabel2), Label1(*this, IdLabel1)
{
}

void FrmSupport::Control_Click(int controlId)
{
    if (controlId == IdCommand1) Command1_Click();
}

void FrmSupport::Command1_Click()
{
    // Whatever the shell answers, the window stays as it is.
    ShellExecuteA(hWnd(), "OPEN", maker::RecommendPage.c_str(), nullptr, "", SW_SHOWNORMAL);
}
