#include "box_answerer.h"

#include <algorithm>

#include "window_probe.h"

namespace ui_test {

namespace {
BoxAnswerer* current = nullptr;
} // namespace

LRESULT CALLBACK BoxHookProc(int code, WPARAM wparam, LPARAM lparam) {
    if (code == HCBT_ACTIVATE && current) {
        HWND window = reinterpret_cast<HWND>(wparam);
        wchar_t name[16] = {};
        GetClassNameW(window, name, 16);
        if (std::wstring(name) == L"#32770") {
            current->Activated(window);
        }
    }
    return CallNextHookEx(nullptr, code, wparam, lparam);
}

BoxAnswerer::BoxAnswerer(std::vector<int> answers) : answers_(std::move(answers)) {
    current = this;
    hook_ = SetWindowsHookExW(WH_CBT, BoxHookProc, nullptr, GetCurrentThreadId());
}

BoxAnswerer::~BoxAnswerer() {
    UnhookWindowsHookEx(hook_);
    current = nullptr;
}

void BoxAnswerer::Activated(HWND box) {
    // A box is activated again when a box it opened closes: answer each box once.
    if (std::find(handled_.begin(), handled_.end(), box) != handled_.end()) {
        return;
    }
    handled_.push_back(box);
    SeenBox seen;
    seen.caption = WindowText(box);
    if (HWND text = GetDlgItem(box, 0xFFFF)) {
        seen.text = WindowText(text);
    }
    GetWindowRect(box, &seen.rect);
    seen.has_yes = GetDlgItem(box, IDYES) != nullptr;
    seen.has_no = GetDlgItem(box, IDNO) != nullptr;
    seen.has_ok = GetDlgItem(box, IDOK) != nullptr;
    seen.has_cancel = GetDlgItem(box, IDCANCEL) != nullptr;
    const LRESULT def = SendMessageW(box, DM_GETDEFID, 0, 0);
    seen.default_id = HIWORD(def) == DC_HASDEFID ? LOWORD(def) : 0;
    seen_.push_back(seen);

    int answer = next_ < answers_.size() ? answers_[next_++] : seen.default_id;
    if (answer == 0) {
        // The Escape key, as the user would press it.
        PostMessageW(box, WM_KEYDOWN, VK_ESCAPE, 0);
        PostMessageW(box, WM_KEYUP, VK_ESCAPE, 0);
        return;
    }
    if (!GetDlgItem(box, answer)) {
        answer = seen.default_id ? seen.default_id : IDOK;
    }
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, answer)));
}

} // namespace ui_test
