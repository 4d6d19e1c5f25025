#pragma once
// The forms runtime: every window of the program is a Form with exactly one
// instance. Touching the instance (its handle, a property, a control) loads it:
// the window and its controls are created from the form's layout table, then
// Form_Load runs. Unload runs Form_Unload and destroys the window; the instance
// stays, and a later touch loads it afresh.

#include "platform/Controls.h"
#include "platform/Gdi.h"
#include "platform/Icons.h"
#include "platform/Lines.h"
#include "platform/Menu.h"
#include "platform/MessageLoop.h"
#include "platform/Screen.h"

#include <windows.h>

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace forms {

// FixedDialog is the dialog frame: thick, never sizable.
enum class BorderStyle { Sizable, FixedSingle, FixedDialog };

// A place on the screen, in twips from its top-left corner.
struct ScreenPlace {
    int left, top;
};

struct FormLayout {
    const char* className;  // the window class, named after the form
    const char* caption;
    int clientWidth, clientHeight;  // twips
    BorderStyle border;
    bool minButton, maxButton;
    std::span<const ControlLayout> controls;
    const EmbeddedIcon* icon = nullptr;  // the window icon; null: the application icon
    // The items of the form's one popup menu. Its container is hidden, so the
    // window never shows a menu bar.
    std::span<const MenuItemLayout> popupMenu = {};
    std::span<const LineLayout> lines = {};
    // Where the client area's top-left corner opens at every load; without
    // one, the system's default position.
    std::optional<ScreenPlace> clientPlace = std::nullopt;
};

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
    void Show();  // modeless, no owner, never twice; it comes to the front with the focus in it
    void Unload();
    void PopupMenu();  // the form's popup menu at the pointer; the chosen item's Click runs

    bool Visible();
    void SetVisible(bool visible);
    int WindowState();
    void SetWindowState(int state);
    std::string Caption();
    void SetCaption(std::string_view caption);
    HICON Icon();

protected:
    virtual void Form_Load() {}
    virtual void Form_Unload(int16_t& cancel) { (void)cancel; }
    virtual void Control_Click(int controlId) { (void)controlId; }
    virtual void Menu_Click(int itemId) { (void)itemId; }
    // A message that the runtime does not handle itself (a notification of
    // the form's own, a registered message); returns whether the form took it.
    virtual bool OwnMessage(UINT message, WPARAM wParam, LPARAM lParam)
    {
        (void)message, (void)wParam, (void)lParam;
        return false;
    }

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void OnCommand(WPARAM wParam, LPARAM lParam);
    void OnActivate(WPARAM wParam);
    void OnPaint(HWND hwnd);
    LRESULT OnCtlColorStatic(HDC dc, HWND control);
    LRESULT OnGetDefId();
    void CreateWindowAndControls();
    HFONT FontOf(double points, bool underline);
    HWND FirstTabStop() const;
    const ControlLayout* RowOf(HWND control) const;
    const ControlLayout* ButtonWithRole(ButtonRole role) const;
    void DestroyWindowOnly();

    friend void End();

    const FormLayout& layout_;
    HWND hwnd_ = nullptr;
    HWND lastFocus_ = nullptr;
    struct SizedFont {
        double points;
        bool underline;
        Font font;
    };
    std::vector<SizedFont> fonts_;
    std::vector<OwnedIcon> pictures_;  // the pictures its picture boxes show
    Menu popupMenu_;
};

// Every form of the program, loaded or not, and the form of a top-level window.
const std::vector<Form*>& AllForms();
Form* FormOfWindow(HWND hwnd);

}  // namespace forms
