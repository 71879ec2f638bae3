#pragma once
// The application object: the forms, the message loop, the executable's path, the title, the
// standard exception display and the message box.
#include <windows.h>

#include <exception>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "winkit/form.h"

namespace winkit {

class Application {
public:
    static Application& Instance();

    // The text of the exception display's caption (code page 932).
    const std::string& Title() const { return title_; }
    void SetTitle(std::string_view title) { title_ = title; }

    // Full path of the running executable as the system reports it (code page 932). Tests point
    // it elsewhere with SetExeName, so that files "beside the executable" go to a folder of
    // their own.
    std::string ExeName() const;
    void SetExeName(std::string_view path) { exe_name_override_ = path; }

    // Makes a form of class T, stores it in `reference` before its window is built (so the form's
    // OnCreate already sees it there), and keeps it until DestroyForms. The first form made is
    // the main form: closing it ends the application.
    template <class T> void CreateForm(T*& reference) {
        auto form = std::make_unique<T>();
        reference = form.get();
        Form* raw = form.get();
        Adopt(std::move(form));
        raw->Create();
    }
    Form* MainForm() const { return main_form_; }

    // Shows the main form and handles messages until the application is terminated.
    void Run();
    // Asks the message loop to end (posts WM_QUIT); Terminated becomes true once it is handled.
    void Terminate();
    bool Terminated() const { return terminated_; }
    // Handles every waiting message, then returns.
    void ProcessMessages();
    // Handles one message, waiting for one when none is there.
    void HandleMessage();

    // Inside a catch block: shows the exception being handled.
    void HandleException();
    // The message with a final full stop, the title as caption, the stop icon, OK.
    void ShowException(const std::exception& error);
    // A message box owned by the active window; returns the button pressed (IDOK, IDYES, ...).
    int MessageBox(std::string_view text, std::string_view caption, UINT flags);
    // The window that owns a notice: the thread's active window, else the main form.
    HWND NoticeOwner() const;

    // Destroys every form (last made first, each running its OnDestroy) and forgets a pending
    // termination, as at the end of the process; tests use it between cases.
    void DestroyForms();

    void FormGone(Form* form); // called by a form's destructor

private:
    Application();
    void Adopt(std::unique_ptr<Form> form);
    bool ProcessMessage();

    std::string title_;
    std::string exe_name_override_;
    std::vector<std::unique_ptr<Form>> forms_;
    Form* main_form_ = nullptr;
    bool terminated_ = false;
};

inline Application& App() {
    return Application::Instance();
}

} // namespace winkit
