#pragma once
// The forms runtime: every window of the program is a Form with exactly one
// instance. Touching the instance (its handle, a property, a control) loads it:
// the window and its controls are created from the form's layout table, then
// Form_Load runs. Unload runs Form_Unload and destroys the window; the instance
// stays, and a later touch loads it afresh.

#include "platform/Gdi.h"

#include <windows.h>

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace forms {

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

enum class BorderStyle { Sizable, FixedSingle };

struct FormLayout {
    const char* className;  // the window class, named after the form
    const char* caption;
    int clientWidth, clientHeight;  // twips
    BorderStyle border;
    bool minButton, maxButton;
    std::span<const ControlLayout> controls;
};

// Destroys every window and ends the process at once.
[[noreturn]] void End();

inline constexpr int WindowStateNormal = 0;
inline constexpr int WindowStateMinimized = 1;
inline constexpr int WindowStateMaximized = 2;

class Form {
public:
    explicit Form(const FormLayout& layout);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    HWND hWnd();  // loads the form when it is not loaded
    bool IsLoaded() const { return hwnd_ != nullptr; }

    void Load();
    void Show();  // modeless, no owner; a shown form is only brought forward
    void Unload();

    bool Visible();
    void SetVisible(bool visible);
    int WindowState();
    void SetWindowState(int state);
    std::string Caption();
    HICON Icon();

protected:
    virtual void Form_Load() {}
    virtual void Form_Unload(int16_t& cancel) { (void)cancel; }
    virtual void Control_Click(int controlId) { (void)controlId; }

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void OnCommand(WPARAM wParam, LPARAM lParam);
    void OnActivate(WPARAM wParam);
    void CreateWindowAndControls();
    void CreateControl(const ControlLayout& control);
    HFONT FontOf(double points);
    HWND FirstTabStop() const;
    void DestroyWindowOnly();

    friend void End();

    const FormLayout& layout_;
    HWND hwnd_ = nullptr;
    HWND lastFocus_ = nullptr;
    std::vector<std::pair<double, Font>> fonts_;
};

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

// A message box for the whole program (task-modal, no owner), captioned with the
// application title. Its own loop keeps dispatching every window's messages.
int MsgBox(std::string_view prompt, UINT style = MB_OK);

// Dispatches messages, with dialog navigation, until no form is loaded.
void RunMessageLoop();
// Dispatches one message as the loop does: Tab, Enter and Escape in a form
// navigate it like a dialog.
void ProcessMessage(MSG& msg);
bool AnyFormLoaded();

// Screen metrics.
int TwipsPerPixelX();
int TwipsPerPixelY();
int TwipsToPixelsX(int twips);
int TwipsToPixelsY(int twips);

}  // namespace forms
