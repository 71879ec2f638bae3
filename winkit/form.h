#pragma once
// The base of every window of the tool. A form class derives from Form, holds its controls and
// menu items as members, says how its window looks (Params) and makes its controls
// (CreateControls); its handlers are member functions bound to the events in its constructor:
//
//     TMainForm::TMainForm() {
//         OnCreate = winkit::Bind(this, &TMainForm::FormCreate);
//         Button3.OnClick = winkit::Bind(this, &TMainForm::Button3Click);
//     }
//
// The window stores its object at WM_NCCREATE and every message goes to the object; no
// exception leaves a message handler: it is shown by the application's exception display.
// Geometry is fixed pixels: the client size is what Params asks for, whatever the system's
// frame and menu bar measure.
#include <windows.h>

#include <string>
#include <string_view>

#include "winkit/component.h"

namespace winkit {

class Font;
class MainMenu;

enum class BorderStyle {
    Single,   // fixed size, caption and frame
    Sizeable, // the user can resize it
    Dialog,   // fixed size, dialog frame
};

struct FormParams {
    const wchar_t* window_class; // the window class name, e.g. L"TMainForm"
    std::string caption;
    int left = 0; // outer top-left on the screen
    int top = 0;
    int client_width = 0;
    int client_height = 0;
    BorderStyle border = BorderStyle::Single;
    bool system_menu = true; // with the close box
    bool minimize_box = true;
    bool maximize_box = false;
    HICON icon = nullptr;
};

class Form : public Component {
public:
    Form() = default;
    ~Form() override;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // Makes the window (hidden) and its controls, then runs OnCreate. Called once, normally by
    // Application::CreateForm.
    void Create();
    // Runs OnDestroy, then destroys the window and its controls; the object stays.
    void Destroy();

    HWND Handle() const { return handle_; }
    static Form* FromHandle(HWND window);

    std::string Caption() const;
    void SetCaption(std::string_view caption);

    // The outer window on the screen (for a minimized window: where it will be restored).
    Rect Bounds() const;
    int Left() const { return Bounds().left; }
    int Top() const { return Bounds().top; }
    int Width() const { return Bounds().width; }
    int Height() const { return Bounds().height; }
    void SetBounds(const Rect& bounds);
    void SetPosition(int left, int top);
    int ClientWidth() const;
    int ClientHeight() const;
    void SetClientSize(int width, int height);

    // The form's font, which every control created on it takes unless it is given its own.
    void SetFont(const Font& font);
    HFONT FontHandle() const { return font_; }
    void SetMenu(MainMenu& menu);
    MainMenu* Menu() const { return menu_; }

    bool Visible() const;
    // Runs OnShow, then shows the window (the first time, or after Hide).
    void Show();
    void Hide();
    // A request to close, as the close box makes it: for a modal form it ends the modal showing
    // with mrCancel; otherwise OnCloseQuery may refuse it, OnClose may cancel it, and then the
    // main form ends the application and any other form hides.
    void Close();
    // Runs OnCloseQuery; true when the form may close.
    bool CloseQuery();

    // Shows the form modally: every other window of the application is disabled and a message
    // loop runs until ModalResult is set (by a handler, or mrCancel by Close) and the form
    // agrees to close, or until the application is terminated. Returns the modal result.
    int ShowModal();
    bool Modal() const { return modal_; }
    int ModalResult() const { return modal_result_; }
    void SetModalResult(int result) { modal_result_ = result; }

    NotifyEvent OnCreate;
    NotifyEvent OnShow;
    NotifyEvent OnDestroy;
    CloseQueryEvent OnCloseQuery;
    CloseEvent OnClose;

protected:
    virtual FormParams Params() const = 0;
    virtual void CreateControls() = 0;
    // Any message before the form's own handling (custom routing such as WM_DROPFILES).
    // Returns true when handled, with `result` the message's result.
    virtual bool HandleMessage(UINT /*message*/, WPARAM /*wparam*/, LPARAM /*lparam*/,
                               LRESULT& /*result*/) {
        return false;
    }

private:
    friend LRESULT CALLBACK FormProc(HWND, UINT, WPARAM, LPARAM);
    LRESULT WindowProc(UINT message, WPARAM wparam, LPARAM lparam);
    void CloseModal();
    void Activated(bool active);

    HWND handle_ = nullptr;
    HFONT font_ = nullptr;
    MainMenu* menu_ = nullptr;
    HWND focused_ = nullptr; // the control that had the focus when the form was deactivated
    bool modal_ = false;
    int modal_result_ = 0;
};

} // namespace winkit
