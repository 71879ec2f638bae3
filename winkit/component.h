#pragma once
// What every form, control and menu item shares: the sender type of event handlers, the event
// types, and pixel rectangles.
#include <functional>

namespace winkit {

// The object that raised an event; handlers receive it as their first argument.
class Component {
public:
    virtual ~Component() = default;
};

using NotifyEvent = std::function<void(Component* sender)>;
using CloseQueryEvent = std::function<void(Component* sender, bool& can_close)>;
// `key` is one code-page-932 byte; a handler that sets it to 0 swallows the keystroke.
using KeyPressEvent = std::function<void(Component* sender, char& key)>;

enum class CloseAction { None, Hide, Free };
using CloseEvent = std::function<void(Component* sender, CloseAction& action)>;

// Binds a member handler to an event: `Button3.OnClick = winkit::Bind(this,
// &TMainForm::Button3Click)`.
template <class Owner, class... Args>
std::function<void(Args...)> Bind(Owner* owner, void (Owner::*handler)(Args...)) {
    return [owner, handler](Args... args) { (owner->*handler)(std::forward<Args>(args)...); };
}

// Pixels: a control's rectangle in its parent's client area, or a window's on the screen.
struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// Modal results, the values of the system's button identifiers.
enum ModalResult : int {
    mrNone = 0,
    mrOk = 1,
    mrCancel = 2,
    mrAbort = 3,
    mrRetry = 4,
    mrIgnore = 5,
    mrYes = 6,
    mrNo = 7,
};

} // namespace winkit
