#pragma once
// The simple controls: button, check box, label, edit, labeled edit, and the containers (panel,
// and the page of a page control) that hold other controls.
#include "winkit/control.h"

namespace winkit {

class Button : public Control {
public:
    void Create(HWND parent, const Rect& bounds, std::string_view caption) override;
    // Runs OnClick as a click of the user would (the button's own BM_CLICK goes the same way).
    void Click();
    void HandleCommand(unsigned code) override;

    NotifyEvent OnClick;
};

class CheckBox : public Control {
public:
    void Create(HWND parent, const Rect& bounds, std::string_view caption) override;
    bool Checked() const;
    void SetChecked(bool checked);
    void HandleCommand(unsigned code) override;

    NotifyEvent OnClick;
};

// A static text. With AutoSize (the default) it takes the size of its text whenever the text
// changes, growing to the right from its left edge.
class Label : public Control {
public:
    void Create(HWND parent, const Rect& bounds, std::string_view caption) override;
    void SetText(std::string_view text) override;
    void SetFont(HFONT font) override;
    void SetAutoSize(bool auto_size);

private:
    void FitToText();
    bool auto_size_ = true;
};

// A one-line edit with a sunken border.
class Edit : public Control {
public:
    void Create(HWND parent, const Rect& bounds, std::string_view caption) override;
    // At most `length` characters can be typed; 0 removes the limit.
    void SetMaxLength(int length);
    // Letters typed become upper case.
    void SetUpperCase(bool upper);
    void SetReadOnly(bool read_only);
    void SelectAll();

    // Each typed character, as code-page-932 bytes (a double-byte character arrives as its two
    // bytes, one call each); a handler that sets the byte to 0 swallows the character.
    KeyPressEvent OnKeyPress;

protected:
    bool Intercept(UINT message, WPARAM& wparam, LPARAM& lparam, LRESULT& result) override;
};

// An edit with its caption in a label standing above it, 3 pixels apart.
class LabeledEdit : public Edit {
public:
    static constexpr int kLabelSpacing = 3;

    // `bounds` are the edit's; `caption` is the label's text. The edit starts empty.
    void Create(HWND parent, const Rect& bounds, std::string_view caption) override;
    void SetBounds(const Rect& bounds) override;
    void SetVisible(bool visible) override;

    Label EditLabel;

private:
    void PlaceLabel();
};

// A control that holds controls: it passes their notifications on to them and paints its own
// background.
class Container : public Control {
public:
    void Create(HWND parent, const Rect& bounds, std::string_view caption) override;
    void SetFont(HFONT font) override { font_ = font; }

protected:
    virtual void Paint(HDC dc, const RECT& client);

private:
    friend LRESULT CALLBACK ContainerProc(HWND, UINT, WPARAM, LPARAM);
    LRESULT WindowProc(UINT message, WPARAM wparam, LPARAM lparam);
    HFONT font_ = nullptr;
};

// A panel with a raised outer and a lowered inner bevel, one pixel each.
class Panel : public Container {
protected:
    void Paint(HDC dc, const RECT& client) override;
};

} // namespace winkit
