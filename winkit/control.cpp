#include "winkit/control.h"

#include <commctrl.h>

#include "winkit/application.h"
#include "winkit/error.h"
#include "winkit/text.h"

namespace winkit {

namespace {
const wchar_t kControlProperty[] = L"winkit.control";
} // namespace

LRESULT CALLBACK ControlSubclassProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam,
                                     UINT_PTR id, DWORD_PTR data) {
    auto* control = reinterpret_cast<Control*>(data);
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, ControlSubclassProc, id);
        control->Detach();
        return DefSubclassProc(window, message, wparam, lparam);
    }
    try {
        LRESULT result = 0;
        if (control->Intercept(message, wparam, lparam, result)) {
            return result;
        }
    } catch (...) {
        App().HandleException();
        return 0;
    }
    return DefSubclassProc(window, message, wparam, lparam);
}

Control::~Control() {
    if (handle_) {
        HWND window = handle_;
        DestroyWindow(window);
        handle_ = nullptr;
    }
}

Control* Control::FromHandle(HWND window) {
    return window ? static_cast<Control*>(GetPropW(window, kControlProperty)) : nullptr;
}

void Control::CreateHandle(const wchar_t* window_class, DWORD style, DWORD ex_style, HWND parent,
                           const Rect& bounds, std::string_view caption) {
    HWND window = CreateWindowExW(ex_style, window_class, Widen(caption).c_str(), WS_CHILD | style,
                                  bounds.left, bounds.top, bounds.width, bounds.height, parent,
                                  nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!window) {
        throw Error("CreateWindowEx " + Narrow(window_class) + ": " +
                    SystemErrorText(GetLastError()));
    }
    Attach(window);
    SetWindowSubclass(window, ControlSubclassProc, 1, reinterpret_cast<DWORD_PTR>(this));
    // The parent's font, as a control without a font of its own takes it.
    SendMessageW(window, WM_SETFONT, SendMessageW(parent, WM_GETFONT, 0, 0), FALSE);
}

void Control::Attach(HWND window) {
    handle_ = window;
    SetPropW(window, kControlProperty, this);
}

void Control::Detach() {
    if (handle_) {
        RemovePropW(handle_, kControlProperty);
        handle_ = nullptr;
    }
}

Rect Control::Bounds() const {
    RECT r{};
    GetWindowRect(handle_, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(handle_), reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

void Control::SetBounds(const Rect& b) {
    SetWindowPos(handle_, nullptr, b.left, b.top, b.width, b.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

std::string Control::Text() const {
    const int length = GetWindowTextLengthW(handle_);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(handle_, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied));
    return Narrow(text);
}

void Control::SetText(std::string_view text) {
    SetWindowTextW(handle_, Widen(text).c_str());
}

bool Control::Enabled() const {
    return IsWindowEnabled(handle_) != FALSE;
}
void Control::SetEnabled(bool enabled) {
    EnableWindow(handle_, enabled ? TRUE : FALSE);
}

bool Control::Visible() const {
    return (GetWindowLongPtrW(handle_, GWL_STYLE) & WS_VISIBLE) != 0;
}
void Control::SetVisible(bool visible) {
    ShowWindow(handle_, visible ? SW_SHOWNA : SW_HIDE);
}

void Control::SetFocus() {
    ::SetFocus(handle_);
}
bool Control::Focused() const {
    return GetFocus() == handle_;
}

HFONT Control::Font() const {
    return reinterpret_cast<HFONT>(SendMessageW(handle_, WM_GETFONT, 0, 0));
}
void Control::SetFont(HFONT font) {
    SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

bool ReflectToControl(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) {
    if (message == WM_COMMAND && lparam != 0) {
        if (Control* control = Control::FromHandle(reinterpret_cast<HWND>(lparam))) {
            control->HandleCommand(HIWORD(wparam));
            result = 0;
            return true;
        }
    } else if (message == WM_NOTIFY) {
        auto* header = reinterpret_cast<NMHDR*>(lparam);
        if (Control* control = Control::FromHandle(header->hwndFrom)) {
            return control->HandleNotify(header, result);
        }
    }
    return false;
}

} // namespace winkit
