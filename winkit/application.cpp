#include "winkit/application.h"

#include <commctrl.h>

#include "winkit/error.h"
#include "winkit/text.h"

namespace winkit {

Application& Application::Instance() {
    static Application application;
    return application;
}

Application::Application() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_PROGRESS_CLASS |
                                                       ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
}

std::string Application::ExeName() const {
    if (!exe_name_override_.empty()) {
        return exe_name_override_;
    }
    std::wstring path(MAX_PATH, L'\0');
    while (true) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return Narrow(path);
        }
        path.resize(path.size() * 2);
    }
}

void Application::Adopt(std::unique_ptr<Form> form) {
    if (!main_form_) {
        main_form_ = form.get();
    }
    forms_.push_back(std::move(form));
}

void Application::FormGone(Form* form) {
    if (main_form_ == form) {
        main_form_ = nullptr;
    }
}

void Application::Run() {
    if (!main_form_) {
        return;
    }
    main_form_->Show();
    while (!terminated_) {
        HandleMessage();
    }
}

void Application::Terminate() {
    PostQuitMessage(0);
}

bool Application::ProcessMessage() {
    MSG msg;
    if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        return false;
    }
    if (msg.message == WM_QUIT) {
        terminated_ = true;
        return true;
    }
    // Tab, Shift+Tab and the arrow keys move the focus between a form's controls.
    HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    if (root && Form::FromHandle(root) && IsDialogMessageW(root, &msg)) {
        return true;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
    return true;
}

void Application::ProcessMessages() {
    while (ProcessMessage()) {
    }
}

void Application::HandleMessage() {
    if (!ProcessMessage()) {
        WaitMessage();
    }
}

void Application::HandleException() {
    try {
        throw;
    } catch (const std::exception& error) {
        ShowException(error);
    } catch (...) {
        ShowException(Error(""));
    }
}

void Application::ShowException(const std::exception& error) {
    std::wstring text = Widen(error.what());
    // A final full stop unless the message already ends in one (or in a blank, or nothing).
    if (!text.empty() && text.back() > L'.') {
        text += L'.';
    }
    ::MessageBoxW(NoticeOwner(), text.c_str(), Widen(title_).c_str(), MB_OK | MB_ICONSTOP);
}

int Application::MessageBox(std::string_view text, std::string_view caption, UINT flags) {
    return ::MessageBoxW(NoticeOwner(), Widen(text).c_str(), Widen(caption).c_str(), flags);
}

HWND Application::NoticeOwner() const {
    if (HWND active = GetActiveWindow()) {
        return active;
    }
    return main_form_ ? main_form_->Handle() : nullptr;
}

void Application::DestroyForms() {
    for (auto it = forms_.rbegin(); it != forms_.rend(); ++it) {
        (*it)->Destroy();
    }
    forms_.clear();
    main_form_ = nullptr;
    MSG msg;
    while (PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
    terminated_ = false;
}

} // namespace winkit
