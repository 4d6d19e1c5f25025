#pragma once
// The controls of a form: the rows of its layout table, how each kind is
// created, and the handle through which the form's code touches one.

#include <windows.h>

#include <string>
#include <string_view>

namespace forms {

class Form;

enum class ControlKind { Label, CheckBox, ComboDropDown, CommandButton };

inline constexpr double DefaultFontPoints = 8.25;

// One row of a form's layout table. Geometry is in twips, as designed.
struct ControlLayout {
    int id;
    ControlKind kind;
    const char* caption;
    int left, top, width, height;
    int tabIndex;
    double fontPoints = DefaultFontPoints;
    bool autoSize = false;  // a label that sizes itself to its caption
};

// Creates the control of one layout row as a child of the form's window.
HWND CreateControl(HWND form, const ControlLayout& control, HFONT font);

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
