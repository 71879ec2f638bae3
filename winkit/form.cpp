#include "winkit/form.h"

#include <set>
#include <vector>

#include "winkit/application.h"
#include "winkit/control.h"
#include "winkit/error.h"
#include "winkit/font.h"
#include "winkit/menu.h"
#include "winkit/text.h"

namespace winkit {

LRESULT CALLBACK FormProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

namespace {

DWORD StyleFor(const FormParams& p) {
    DWORD style = WS_CLIPCHILDREN | WS_CAPTION | (p.system_menu ? WS_SYSMENU : 0);
    switch (p.border) {
    case BorderStyle::Single:
        style |= WS_BORDER;
        break;
    case BorderStyle::Sizeable:
        style |= WS_THICKFRAME;
        break;
    case BorderStyle::Dialog:
        style |= DS_MODALFRAME;
        break;
    }
    if (p.minimize_box) {
        style |= WS_MINIMIZEBOX;
    }
    if (p.maximize_box) {
        style |= WS_MAXIMIZEBOX;
    }
    return style;
}

void RegisterFormClass(const wchar_t* name, HICON icon) {
    static std::set<std::wstring> registered;
    if (!registered.insert(name).second) {
        return;
    }
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = FormProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hIcon = icon;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = name;
    if (!RegisterClassExW(&wc)) {
        throw Error("RegisterClassEx: " + SystemErrorText(GetLastError()));
    }
}

// The windows a modal form disables: every enabled, visible top-level window of this thread.
BOOL CALLBACK CollectEnabledWindow(HWND window, LPARAM list) {
    if (IsWindowVisible(window) && IsWindowEnabled(window)) {
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    }
    return TRUE;
}

} // namespace

LRESULT CALLBACK FormProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCCREATE) {
        auto* form = static_cast<Form*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
        form->handle_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    auto* form = reinterpret_cast<Form*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!form) {
        return DefWindowProcW(window, message, wparam, lparam);
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        form->handle_ = nullptr;
        return DefWindowProcW(window, message, wparam, lparam);
    }
    try {
        return form->WindowProc(message, wparam, lparam);
    } catch (...) {
        App().HandleException();
        return 0;
    }
}

Form::~Form() {
    if (handle_) {
        DestroyWindow(handle_);
    }
    App().FormGone(this);
}

Form* Form::FromHandle(HWND window) {
    if (!window) {
        return nullptr;
    }
    // Only our own windows carry a Form in GWLP_USERDATA: check the window procedure.
    if (reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC)) != FormProc) {
        return nullptr;
    }
    return reinterpret_cast<Form*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

void Form::Create() {
    const FormParams p = Params();
    RegisterFormClass(p.window_class, p.icon);
    const DWORD style = StyleFor(p);
    const DWORD ex_style = p.border == BorderStyle::Dialog ? WS_EX_DLGMODALFRAME : 0;
    Form* main = App().MainForm();
    HWND owner = main && main != this ? main->Handle() : nullptr;
    HWND window = CreateWindowExW(ex_style, p.window_class, Widen(p.caption).c_str(), style, p.left,
                                  p.top, p.client_width, p.client_height, owner, nullptr,
                                  GetModuleHandleW(nullptr), this);
    if (!window) {
        throw Error("CreateWindowEx: " + SystemErrorText(GetLastError()));
    }
    if (p.icon) {
        SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(p.icon));
    }
    CreateControls();
    SetClientSize(p.client_width, p.client_height);
    try {
        if (OnCreate) {
            OnCreate(this);
        }
    } catch (...) {
        App().HandleException();
    }
}

void Form::Destroy() {
    if (!handle_) {
        return;
    }
    try {
        if (OnDestroy) {
            OnDestroy(this);
        }
    } catch (...) {
        App().HandleException();
    }
    DestroyWindow(handle_);
}

std::string Form::Caption() const {
    const int length = GetWindowTextLengthW(handle_);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(handle_, text.data(), length + 1)));
    return Narrow(text);
}

void Form::SetCaption(std::string_view caption) {
    SetWindowTextW(handle_, Widen(caption).c_str());
}

Rect Form::Bounds() const {
    RECT r{};
    if (IsIconic(handle_)) {
        WINDOWPLACEMENT placement{};
        placement.length = sizeof placement;
        GetWindowPlacement(handle_, &placement);
        r = placement.rcNormalPosition;
    } else {
        GetWindowRect(handle_, &r);
    }
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

void Form::SetBounds(const Rect& b) {
    SetWindowPos(handle_, nullptr, b.left, b.top, b.width, b.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::SetPosition(int left, int top) {
    SetWindowPos(handle_, nullptr, left, top, 0, 0, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSIZE);
}

int Form::ClientWidth() const {
    RECT r{};
    GetClientRect(handle_, &r);
    return r.right;
}

int Form::ClientHeight() const {
    RECT r{};
    GetClientRect(handle_, &r);
    return r.bottom;
}

void Form::SetClientSize(int width, int height) {
    RECT r{0, 0, width, height};
    AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongPtrW(handle_, GWL_STYLE)),
                       GetMenu(handle_) != nullptr,
                       static_cast<DWORD>(GetWindowLongPtrW(handle_, GWL_EXSTYLE)));
    SetWindowPos(handle_, nullptr, 0, 0, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
    // A menu bar that wraps, or metrics of the system's own, may still differ: measure and
    // correct once.
    const int dw = width - ClientWidth();
    const int dh = height - ClientHeight();
    if (dw != 0 || dh != 0) {
        SetWindowPos(handle_, nullptr, 0, 0, r.right - r.left + dw, r.bottom - r.top + dh,
                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
    }
}

void Form::SetFont(const Font& font) {
    font_ = font.Handle();
}

void Form::SetMenu(MainMenu& menu) {
    menu_ = &menu;
    menu.AttachTo(handle_);
}

bool Form::Visible() const {
    return handle_ && IsWindowVisible(handle_);
}

void Form::Show() {
    if (Visible()) {
        SetForegroundWindow(handle_);
        return;
    }
    try {
        if (OnShow) {
            OnShow(this);
        }
    } catch (...) {
        App().HandleException();
    }
    ShowWindow(handle_, SW_SHOW);
    UpdateWindow(handle_);
}

void Form::Hide() {
    ShowWindow(handle_, SW_HIDE);
}

bool Form::CloseQuery() {
    bool can_close = true;
    if (OnCloseQuery) {
        OnCloseQuery(this, can_close);
    }
    return can_close;
}

void Form::Close() {
    if (modal_) {
        modal_result_ = mrCancel;
        return;
    }
    if (!CloseQuery()) {
        return;
    }
    CloseAction action = CloseAction::Hide;
    if (OnClose) {
        OnClose(this, action);
    }
    if (action == CloseAction::None) {
        return;
    }
    if (App().MainForm() == this) {
        App().Terminate();
    } else {
        Hide();
    }
}

void Form::CloseModal() {
    try {
        CloseAction action = CloseAction::None;
        if (CloseQuery()) {
            action = CloseAction::Hide;
            if (OnClose) {
                OnClose(this, action);
            }
        }
        if (action == CloseAction::None) {
            modal_result_ = mrNone;
        }
    } catch (...) {
        modal_result_ = mrNone;
        App().HandleException();
    }
}

int Form::ShowModal() {
    if (Visible() || modal_) {
        throw Error("ShowModal: the window is already shown");
    }
    if (GetCapture()) {
        ReleaseCapture();
    }
    HWND previously_active = GetActiveWindow();
    std::vector<HWND> disabled;
    EnumThreadWindows(GetCurrentThreadId(), CollectEnabledWindow,
                      reinterpret_cast<LPARAM>(&disabled));
    for (HWND window : disabled) {
        EnableWindow(window, FALSE);
    }
    modal_ = true;
    modal_result_ = mrNone;
    Show();
    SetActiveWindow(handle_);
    while (true) {
        App().HandleMessage();
        if (App().Terminated()) {
            modal_result_ = mrCancel;
            break;
        }
        if (modal_result_ != mrNone) {
            CloseModal();
            if (modal_result_ != mrNone) {
                break;
            }
        }
    }
    // Enable the others before hiding, or the system activates some unrelated window.
    for (HWND window : disabled) {
        if (IsWindow(window)) {
            EnableWindow(window, TRUE);
        }
    }
    Hide();
    modal_ = false;
    if (previously_active && IsWindow(previously_active)) {
        SetActiveWindow(previously_active);
    }
    return modal_result_;
}

void Form::Activated(bool active) {
    if (!active) {
        HWND focus = GetFocus();
        if (focus && IsChild(handle_, focus)) {
            focused_ = focus;
        }
        return;
    }
    if (focused_ && IsWindow(focused_) && IsChild(handle_, focused_) && IsWindowEnabled(focused_) &&
        IsWindowVisible(focused_)) {
        ::SetFocus(focused_);
        return;
    }
    if (HWND first = GetNextDlgTabItem(handle_, nullptr, FALSE)) {
        ::SetFocus(first);
    }
}

LRESULT Form::WindowProc(UINT message, WPARAM wparam, LPARAM lparam) {
    LRESULT result = 0;
    if (HandleMessage(message, wparam, lparam, result)) {
        return result;
    }
    if (ReflectToControl(message, wparam, lparam, result)) {
        return result;
    }
    switch (message) {
    case WM_COMMAND:
        // A menu item (code 0, no control window).
        if (HIWORD(wparam) == 0 && lparam == 0 && menu_) {
            if (MenuItem* item = menu_->Find(LOWORD(wparam))) {
                item->Click();
            }
        }
        return 0;
    case WM_CLOSE:
        Close();
        return 0;
    case WM_QUERYENDSESSION:
        return CloseQuery() ? TRUE : FALSE;
    case WM_ACTIVATE:
        Activated(LOWORD(wparam) != WA_INACTIVE);
        return 0;
    case WM_SETFONT:
        font_ = reinterpret_cast<HFONT>(wparam);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(font_);
    default:
        return DefWindowProcW(handle_, message, wparam, lparam);
    }
}

} // namespace winkit
