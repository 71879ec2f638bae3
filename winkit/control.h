#pragma once
// The base of every child control: the window handle, geometry in the parent's client pixels,
// text (code page 932), enabled/visible state, focus and font.
//
// A control window carries a pointer to its object (a window property), so the window that
// receives a control's WM_COMMAND or WM_NOTIFY hands it back to the control (HandleCommand,
// HandleNotify). The control's own messages pass first through Intercept, and an exception there
// is shown by the application instead of reaching Windows.
#include <windows.h>

#include <string>
#include <string_view>

#include "winkit/component.h"

namespace winkit {

class Control : public Component {
public:
    Control() = default;
    ~Control() override;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    // Makes the window: a child of `parent` at `bounds`, showing `caption`, in the parent's font.
    virtual void Create(HWND parent, const Rect& bounds, std::string_view caption) = 0;

    HWND Handle() const { return handle_; }
    static Control* FromHandle(HWND window);

    Rect Bounds() const;
    int Left() const { return Bounds().left; }
    int Top() const { return Bounds().top; }
    int Width() const { return Bounds().width; }
    int Height() const { return Bounds().height; }
    virtual void SetBounds(const Rect& bounds);

    virtual std::string Text() const;
    virtual void SetText(std::string_view text);

    bool Enabled() const;
    void SetEnabled(bool enabled);
    bool Visible() const;
    virtual void SetVisible(bool visible);
    void SetFocus();
    bool Focused() const;

    HFONT Font() const;
    virtual void SetFont(HFONT font);

    // A notification this control sent to its parent (WM_COMMAND's code, WM_NOTIFY's header).
    virtual void HandleCommand(unsigned /*code*/) {}
    virtual bool HandleNotify(NMHDR* /*header*/, LRESULT& /*result*/) { return false; }

protected:
    // Creates the window of a system control class and attaches it to this object.
    void CreateHandle(const wchar_t* window_class, DWORD style, DWORD ex_style, HWND parent,
                      const Rect& bounds, std::string_view caption);
    // Attaches a window created elsewhere (containers of winkit's own class).
    void Attach(HWND window);
    // The control's own messages before its class sees them; may rewrite wparam/lparam.
    // Returns true when handled, with `result` the message's result.
    virtual bool Intercept(UINT /*message*/, WPARAM& /*wparam*/, LPARAM& /*lparam*/,
                           LRESULT& /*result*/) {
        return false;
    }

private:
    friend LRESULT CALLBACK ControlSubclassProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
    friend LRESULT CALLBACK ContainerProc(HWND, UINT, WPARAM, LPARAM);
    void Detach();

    HWND handle_ = nullptr;
};

// The parent's part of the control notifications: gives WM_COMMAND from a control and WM_NOTIFY
// to the control's object. Returns true when a control took the message.
bool ReflectToControl(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result);

} // namespace winkit
