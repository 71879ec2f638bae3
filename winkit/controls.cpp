#include "winkit/controls.h"

#include "winkit/application.h"
#include "winkit/error.h"
#include "winkit/text.h"

namespace winkit {

LRESULT CALLBACK ContainerProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

// ---- Button, CheckBox

void Button::Create(HWND parent, const Rect& bounds, std::string_view caption) {
    CreateHandle(L"BUTTON", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, parent, bounds, caption);
}

void Button::Click() {
    if (OnClick) {
        OnClick(this);
    }
}

void Button::HandleCommand(unsigned code) {
    if (code == BN_CLICKED) {
        Click();
    }
}

void CheckBox::Create(HWND parent, const Rect& bounds, std::string_view caption) {
    CreateHandle(L"BUTTON", WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 0, parent, bounds, caption);
}

bool CheckBox::Checked() const {
    return SendMessageW(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void CheckBox::SetChecked(bool checked) {
    SendMessageW(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void CheckBox::HandleCommand(unsigned code) {
    if (code == BN_CLICKED && OnClick) {
        OnClick(this);
    }
}

// ---- Label

void Label::Create(HWND parent, const Rect& bounds, std::string_view caption) {
    CreateHandle(L"STATIC", WS_VISIBLE | SS_LEFT, 0, parent, bounds, caption);
    FitToText();
}

void Label::SetText(std::string_view text) {
    Control::SetText(text);
    FitToText();
}

void Label::SetFont(HFONT font) {
    Control::SetFont(font);
    FitToText();
}

void Label::SetAutoSize(bool auto_size) {
    auto_size_ = auto_size;
    FitToText();
}

void Label::FitToText() {
    if (!auto_size_ || !Handle()) {
        return;
    }
    const std::wstring text = Widen(Text());
    HDC dc = GetDC(Handle());
    HGDIOBJ old = SelectObject(dc, Font());
    RECT r{0, 0, 0, 0};
    DrawTextW(dc, text.empty() ? L" " : text.c_str(), -1, &r, DT_CALCRECT | DT_SINGLELINE);
    if (text.empty()) {
        r.right = 0;
    }
    SelectObject(dc, old);
    ReleaseDC(Handle(), dc);
    const Rect b = Bounds();
    Control::SetBounds({b.left, b.top, r.right - r.left, r.bottom - r.top});
    // The system keeps the pixels of the old size, drawn for the old text (a new text of a
    // label grown in the middle of a run showed "名" and a gap): paint the whole label anew.
    InvalidateRect(Handle(), nullptr, TRUE);
}

// ---- Edit, LabeledEdit

void Edit::Create(HWND parent, const Rect& bounds, std::string_view caption) {
    CreateHandle(L"EDIT", WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, parent,
                 bounds, caption);
}

void Edit::SetMaxLength(int length) {
    SendMessageW(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(length), 0);
}

void Edit::SetUpperCase(bool upper) {
    LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_STYLE);
    style = upper ? (style | ES_UPPERCASE) : (style & ~static_cast<LONG_PTR>(ES_UPPERCASE));
    SetWindowLongPtrW(Handle(), GWL_STYLE, style);
}

void Edit::SetReadOnly(bool read_only) {
    SendMessageW(Handle(), EM_SETREADONLY, read_only ? TRUE : FALSE, 0);
}

void Edit::SelectAll() {
    SendMessageW(Handle(), EM_SETSEL, 0, -1);
}

bool Edit::Intercept(UINT message, WPARAM& wparam, LPARAM& /*lparam*/, LRESULT& result) {
    if (message != WM_CHAR || !OnKeyPress) {
        return false;
    }
    const wchar_t typed = static_cast<wchar_t>(wparam);
    std::string bytes = Narrow(std::wstring_view(&typed, 1));
    for (char& byte : bytes) {
        OnKeyPress(this, byte);
        if (byte == 0) {
            result = 0;
            return true; // swallowed
        }
    }
    // A handler may have replaced a one-byte character (upper-casing, for example).
    const std::wstring now = Widen(bytes);
    if (now.size() == 1) {
        wparam = now[0];
    }
    return false;
}

void LabeledEdit::Create(HWND parent, const Rect& bounds, std::string_view caption) {
    EditLabel.Create(parent, {bounds.left, bounds.top, 0, 0}, caption);
    Edit::Create(parent, bounds, "");
    PlaceLabel();
}

void LabeledEdit::SetBounds(const Rect& bounds) {
    Edit::SetBounds(bounds);
    PlaceLabel();
}

void LabeledEdit::SetVisible(bool visible) {
    Edit::SetVisible(visible);
    EditLabel.SetVisible(visible);
}

void LabeledEdit::PlaceLabel() {
    const Rect edit = Bounds();
    const Rect label = EditLabel.Bounds();
    EditLabel.SetBounds(
        {edit.left, edit.top - label.height - kLabelSpacing, label.width, label.height});
}

// ---- Container, Panel

namespace {
const wchar_t kContainerClass[] = L"WinkitContainer";

void RegisterContainerClass() {
    static bool registered = false;
    if (registered) {
        return;
    }
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = ContainerProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kContainerClass;
    RegisterClassExW(&wc);
    registered = true;
}
} // namespace

LRESULT CALLBACK ContainerProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lparam);
        static_cast<Container*>(create->lpCreateParams)->Attach(window);
    }
    auto* container = static_cast<Container*>(Control::FromHandle(window));
    if (!container) {
        return DefWindowProcW(window, message, wparam, lparam);
    }
    if (message == WM_NCDESTROY) {
        container->Detach();
        return DefWindowProcW(window, message, wparam, lparam);
    }
    try {
        return container->WindowProc(message, wparam, lparam);
    } catch (...) {
        App().HandleException();
        return 0;
    }
}

void Container::Create(HWND parent, const Rect& b, std::string_view caption) {
    RegisterContainerClass();
    // WS_EX_CONTROLPARENT: Tab moves on into the controls inside.
    HWND window = CreateWindowExW(WS_EX_CONTROLPARENT, kContainerClass, Widen(caption).c_str(),
                                  WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, b.left, b.top, b.width,
                                  b.height, parent, nullptr, GetModuleHandleW(nullptr), this);
    if (!window) {
        throw Error("CreateWindowEx container: " + SystemErrorText(GetLastError()));
    }
    font_ = reinterpret_cast<HFONT>(SendMessageW(parent, WM_GETFONT, 0, 0));
}

LRESULT Container::WindowProc(UINT message, WPARAM wparam, LPARAM lparam) {
    LRESULT result = 0;
    if (ReflectToControl(message, wparam, lparam, result)) {
        return result;
    }
    switch (message) {
    case WM_SETFONT:
        font_ = reinterpret_cast<HFONT>(wparam);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(font_);
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(Handle(), &ps);
        RECT client;
        GetClientRect(Handle(), &client);
        Paint(dc, client);
        EndPaint(Handle(), &ps);
        return 0;
    }
    default:
        return DefWindowProcW(Handle(), message, wparam, lparam);
    }
}

void Container::Paint(HDC /*dc*/, const RECT& /*client*/) {}

void Panel::Paint(HDC dc, const RECT& client) {
    RECT r = client;
    DrawEdge(dc, &r, BDR_RAISEDOUTER, BF_RECT | BF_ADJUST);
    DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
}

} // namespace winkit
