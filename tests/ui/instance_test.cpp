// The real Ravoxel.exe, started from the test: one copy at a time, named after its file name.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "box_answerer.h"
#include "test_folder.h"
#include "window_probe.h"
#include "winkit/files.h"
#include "winkit/text.h"

namespace {

// The built executable, by its Wine path (Z: is the Unix root).
std::wstring BuiltExe() {
    std::wstring path = L"Z:" + winkit::Widen(RAVOXEL_EXE);
    for (wchar_t& c : path) {
        if (c == L'/') {
            c = L'\\';
        }
    }
    return path;
}

struct WindowSearch {
    DWORD pid;
    const wchar_t* window_class;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<WindowSearch*>(data);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    if (pid == search->pid && std::wstring(name) == search->window_class) {
        search->found.push_back(window);
    }
    return TRUE;
}

class Process {
public:
    explicit Process(const std::wstring& exe, const std::wstring& arguments = L"") {
        std::wstring command = L"\"" + exe + L"\" " + arguments;
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        started_ = CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                  nullptr, &startup, &info_) != FALSE;
    }
    ~Process() {
        if (started_) {
            if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
                TerminateProcess(info_.hProcess, 99);
            }
            CloseHandle(info_.hThread);
            CloseHandle(info_.hProcess);
        }
    }
    bool Started() const { return started_; }
    // The exit code once it ended within `ms`; STILL_ACTIVE when it did not.
    DWORD WaitExit(DWORD ms) const {
        WaitForSingleObject(info_.hProcess, ms);
        DWORD code = STILL_ACTIVE;
        GetExitCodeProcess(info_.hProcess, &code);
        return code;
    }
    // Top-level windows of the process, of the given class.
    std::vector<HWND> Windows(const wchar_t* window_class) const {
        WindowSearch search{info_.dwProcessId, window_class, {}};
        EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
        return search.found;
    }
    // The main window once it is shown (its caption then carries the version).
    HWND WaitMainWindow(DWORD ms) const {
        const DWORD start = GetTickCount();
        while (GetTickCount() - start < ms) {
            for (HWND window : Windows(L"TMainForm")) {
                if (IsWindowVisible(window) &&
                    ui_test::WindowText(window) == L"ラボクセル Ver1.11") {
                    return window;
                }
            }
            Sleep(20);
        }
        return nullptr;
    }

private:
    PROCESS_INFORMATION info_{};
    bool started_ = false;
};

// The lock is named after the file name: names of this test's own, so that a copy of the tool
// running elsewhere under the same Wine server cannot meet them.
std::wstring UniqueName(const wchar_t* suffix) {
    return L"Ravoxel-" + std::to_wstring(GetCurrentProcessId()) + suffix + L".exe";
}

std::wstring CopyExe(const ui_test::TestFolder& folder, const std::wstring& name) {
    const std::wstring target = winkit::Widen(folder.Path()) + L"\\" + name;
    CopyFileW(BuiltExe().c_str(), target.c_str(), FALSE);
    return target;
}

} // namespace

TEST(SingleInstance, SecondStartEndsAtOnceAndACopyUnderAnotherNameRuns) {
    ui_test::TestFolder folder;
    ui_test::TestFolder other_folder;
    const std::wstring exe = CopyExe(folder, UniqueName(L""));
    const std::wstring same_name_elsewhere = CopyExe(other_folder, UniqueName(L""));
    const std::wstring other_name = CopyExe(other_folder, UniqueName(L"-2"));

    Process first(exe);
    ASSERT_TRUE(first.Started());
    HWND main = first.WaitMainWindow(60000);
    ASSERT_NE(main, nullptr);
    // The other three windows exist, hidden.
    for (const wchar_t* hidden : {L"TViewForm", L"TPrintForm", L"TUser"}) {
        const std::vector<HWND> windows = first.Windows(hidden);
        ASSERT_EQ(windows.size(), 1u) << winkit::Narrow(hidden);
        EXPECT_FALSE(IsWindowVisible(windows[0]));
    }

    // Same file name, here and in another folder: exit code 0 at once, no window.
    for (const std::wstring& second_exe : {exe, same_name_elsewhere}) {
        Process second(second_exe, L"D:\\NC\\A01.NC");
        ASSERT_TRUE(second.Started());
        EXPECT_EQ(second.WaitExit(15000), 0u);
        EXPECT_TRUE(second.Windows(L"TMainForm").empty());
    }

    // Another file name is another lock.
    Process beside(other_name);
    HWND beside_main = beside.WaitMainWindow(60000);
    ASSERT_NE(beside_main, nullptr);
    PostMessageW(beside_main, WM_CLOSE, 0, 0);
    EXPECT_EQ(beside.WaitExit(15000), 0u);

    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(first.WaitExit(15000), 0u);
    // The settings were written at the close, beside the executable.
    std::string settings = winkit::Narrow(exe);
    settings.replace(settings.size() - 4, 4, ".INI");
    EXPECT_TRUE(winkit::FileExists(settings));

    // With the first copy gone, the lock is free again.
    Process again(exe);
    HWND again_main = again.WaitMainWindow(60000);
    ASSERT_NE(again_main, nullptr);
    PostMessageW(again_main, WM_CLOSE, 0, 0);
    EXPECT_EQ(again.WaitExit(15000), 0u);
}
