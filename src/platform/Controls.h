#pragma once
// The controls of a form: the rows of its layout table, how each kind is
// created, and the handle through which the form's code touches one.

#include "platform/Gdi.h"
#include "platform/Icons.h"

#include <windows.h>

#include <span>
#include <string>
#include <string_view>

namespace forms {

class Form;

// A Link is a label drawn as a web link: underlined, with a Click event.
// A PictureBox shows an icon and sizes itself to it.
enum class ControlKind { Label, Link, CheckBox, ComboDropDown, CommandButton, PictureBox };

inline constexpr double DefaultFontPoints = 8.25;

// The roles a command button can take in its form: Enter presses the default
// button while no other button has the focus; Escape presses the cancel button.
enum ButtonRole : unsigned { NoRole = 0, DefaultButton = 1, CancelButton = 2 };

// One row of a form's layout table. Geometry is in twips, as designed.
struct ControlLayout {
    int id;
    ControlKind kind;
    const char* caption;
    int left, top, width, height;
    int tabIndex;
    double fontPoints = DefaultFontPoints;
    bool autoSize = false;  // a label that sizes itself to its caption
    OleColor foreColor = ButtonText;  // a label's text colour
    unsigned roles = NoRole;          // ButtonRole bits of a command button
    const EmbeddedIcon* picture = nullptr;  // a picture box's icon; null: the application icon
};

// The text of a window or a control, whatever its length.
std::string WindowText(HWND hwnd);

// Creates the control of one layout row as a child of the form's window. A
// picture box shows `picture`, which stays the caller's to destroy.
HWND CreateControl(HWND form, const ControlLayout& control, HFONT font, HICON picture = nullptr);

// Where two controls overlap, the later one in reading order lies on top: the
// earlier one ends where the later one begins, so that a row of boxes reads and
// clicks as one left-to-right sentence. Windows would put the earlier one on
// top, and the system's buttons and labels paint their whole background over
// whatever lies beside them; stacking them the other way instead would turn the
// tab order, which follows the stacking, around.
void TrimOverlaps(HWND form, std::span<const ControlLayout> controls);

// The picture of a picture box's row: its icon at the standard 32 x 32 pixels,
// or the system's application icon while the executable carries none.
OwnedIcon LoadPicture(const ControlLayout& control);

// A control of a form. Touching it loads its form.
class Control {
public:
    Control(Form& owner, int id) : owner_(owner), id_(id) {}

    HWND hWnd();
    int Value();            // a check box: 0 unchecked, 1 checked
    void SetValue(int value);
    std::string Text();     // a combo box's text, or any control's caption
    void SetText(std::string_view text);
    void AddItem(std::string_view item);  // appended at the end of a combo box's list
    int ListCount();

private:
    Form& owner_;
    int id_;
};

}  // namespace forms
