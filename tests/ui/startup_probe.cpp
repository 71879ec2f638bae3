// Measures how long Ravoxel.exe takes from its start to its main window being shown (the
// caption then carries the version). Not a test: a measuring tool, run by hand under Wine.
//
//   startup_probe launch <exe> [runs]   starts the exe itself, runs times (default 10), and
//                                        closes it each time; prints every time and the median
//   startup_probe watch <unix-ms>       waits for a main window of any process and prints the
//                                        time since <unix-ms> (wall clock, as `date +%s%3N`),
//                                        then closes it
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Found {
    DWORD pid; // 0: any process
    HWND window;
};

BOOL CALLBACK FindShownMainWindow(HWND window, LPARAM data) {
    auto* found = reinterpret_cast<Found*>(data);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (found->pid != 0 && pid != found->pid) {
        return TRUE;
    }
    wchar_t name[32] = {};
    wchar_t caption[64] = {};
    GetClassNameW(window, name, 32);
    GetWindowTextW(window, caption, 64);
    if (std::wstring(name) == L"TMainForm" && IsWindowVisible(window) &&
        std::wstring(caption) == L"ラボクセル Ver1.11") {
        found->window = window;
        return FALSE;
    }
    return TRUE;
}

HWND ShownMainWindow(DWORD pid) {
    Found found{pid, nullptr};
    EnumWindows(FindShownMainWindow, reinterpret_cast<LPARAM>(&found));
    return found.window;
}

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

int Launch(const std::wstring& exe, int runs) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        std::wstring command = L"\"" + exe + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        LARGE_INTEGER start, shown;
        QueryPerformanceCounter(&start);
        if (!CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                            nullptr, &startup, &process)) {
            std::fprintf(stderr, "cannot start the program (error %lu)\n", GetLastError());
            return 1;
        }
        HWND window = nullptr;
        while (!(window = ShownMainWindow(process.dwProcessId))) {
            if (WaitForSingleObject(process.hProcess, 1) == WAIT_OBJECT_0) {
                std::fprintf(stderr, "the program ended without showing its window\n");
                return 1;
            }
        }
        QueryPerformanceCounter(&shown);
        times.push_back(Seconds(start, shown));
        std::printf("run %d: %.3f s\n", i + 1, times.back());
        PostMessageW(window, WM_CLOSE, 0, 0);
        WaitForSingleObject(process.hProcess, 30000);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    std::sort(times.begin(), times.end());
    std::printf("median of %d: %.3f s (min %.3f, max %.3f)\n", runs, times[times.size() / 2],
                times.front(), times.back());
    return 0;
}

int Watch(long long since_unix_ms) {
    HWND window = nullptr;
    while (!(window = ShownMainWindow(0))) {
        Sleep(1);
    }
    FILETIME now;
    GetSystemTimePreciseAsFileTime(&now);
    const long long ticks = (static_cast<long long>(now.dwHighDateTime) << 32) |
                            static_cast<long long>(now.dwLowDateTime);
    const long long unix_ms = ticks / 10000 - 11644473600000LL;
    std::printf("main window shown %.3f s after the start\n",
                static_cast<double>(unix_ms - since_unix_ms) / 1000.0);
    PostMessageW(window, WM_CLOSE, 0, 0);
    return 0;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc >= 3 && std::wstring(argv[1]) == L"launch") {
        return Launch(argv[2], argc >= 4 ? std::max(1, _wtoi(argv[3])) : 10);
    }
    if (argc >= 3 && std::wstring(argv[1]) == L"watch") {
        return Watch(_wtoi64(argv[2]));
    }
    std::fprintf(stderr, "usage: startup_probe launch <exe> [runs] | watch <unix-ms>\n");
    return 2;
}
