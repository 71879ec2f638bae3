#pragma once
// Answers the modal boxes (message boxes and questions, class #32770) that open on the test's
// thread: a WH_CBT hook sees each one activate, records what the user would see, and presses the
// next button of the script. A box beyond the script is answered with its default button and
// still recorded, so a test that did not expect it fails on the record instead of hanging.
#include <windows.h>

#include <string>
#include <vector>

namespace ui_test {

struct SeenBox {
    std::wstring caption;
    std::wstring text; // the static control 0xFFFF
    RECT rect{};       // on the screen
    bool has_yes = false;
    bool has_no = false;
    bool has_ok = false;
    bool has_cancel = false;
    int default_id = 0;
    bool stop_icon = false; // set for the system's message box with MB_ICONSTOP where visible
};

class BoxAnswerer {
public:
    // Button identifiers (IDYES, IDNO, IDOK, ...) to press, one per box, in order; 0 presses the
    // box's Escape key instead.
    explicit BoxAnswerer(std::vector<int> answers = {});
    ~BoxAnswerer();
    BoxAnswerer(const BoxAnswerer&) = delete;
    BoxAnswerer& operator=(const BoxAnswerer&) = delete;

    const std::vector<SeenBox>& Seen() const { return seen_; }

private:
    friend LRESULT CALLBACK BoxHookProc(int, WPARAM, LPARAM);
    void Activated(HWND box);

    HHOOK hook_ = nullptr;
    std::vector<int> answers_;
    std::size_t next_ = 0;
    std::vector<SeenBox> seen_;
    std::vector<HWND> handled_;
};

} // namespace ui_test
