// The GUI benchmark's driver (bench/gui_run.sh): makes the tool's real windows in-process, names
// a source program in the fields, presses Start and measures one conversion run:
//   - the time from Start to the viewer being shown, and to the run handler's return;
//   - how long the window goes without handling messages: a second thread sends it WM_NULL
//     without pause and records how long each reply takes;
//   - with --abort-after-ms N, Abort is clicked N ms after Start (N = 0: the click waits in the
//     queue from before Start, so the first tick of the conversion loop handles it): the time
//     until its handler runs and until the stop message (or the viewer, if the run ended
//     first) is shown;
//   - peak memory, and where the run's time went (the main window's RunTimes).
// Usage: gui_run_driver SOURCE [--abort-after-ms N]. Prints "key value" lines.
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "ui/Mainunit.h"
#include "ui/Userform.h"
#include "ui/Viewprint.h"
#include "ui/Viewunit.h"
#include "winkit/application.h"
#include "winkit/files.h"

namespace {

std::atomic<double> viewer_shown{0};
std::atomic<double> stop_box_shown{0};
HWND viewer_window = nullptr;

LRESULT CALLBACK ActivationHook(int code, WPARAM wparam, LPARAM lparam) {
    if (code == HCBT_ACTIVATE) {
        const HWND window = reinterpret_cast<HWND>(wparam);
        wchar_t name[16] = {};
        GetClassNameW(window, name, 16);
        if (window == viewer_window && viewer_shown == 0) {
            viewer_shown = RunClock();
            // Closed again as soon as it is shown: Back, through the queue.
            PostMessageW(ViewForm->Button4.Handle(), BM_CLICK, 0, 0);
        } else if (std::wstring(name) == L"#32770") {
            if (stop_box_shown == 0) {
                stop_box_shown = RunClock();
            }
            PostMessageW(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        }
    }
    return CallNextHookEx(nullptr, code, wparam, lparam);
}

struct Probe {
    double sent;
    double latency;
};

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: gui_run_driver SOURCE [--abort-after-ms N]\n");
        return 2;
    }
    const std::string source = argv[1];
    double abort_after = -1;
    if (argc == 4 && std::string(argv[2]) == "--abort-after-ms") {
        abort_after = std::atof(argv[3]) / 1000;
    }

    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string folder =
        std::string(temp) + "gui_run_" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder.c_str(), nullptr);

    winkit::Application& app = winkit::App();
    app.SetExeName(folder + "\\Ravoxel.exe"); // settings in the scratch folder
    app.SetTitle("Ravoxel");
    app.CreateForm(MainForm);
    app.CreateForm(ViewForm);
    app.CreateForm(PrintForm);
    app.CreateForm(User);
    MainForm->Show();
    app.ProcessMessages();
    viewer_window = ViewForm->Handle();

    MainForm->LabeledEdit1.SetText(source);
    MainForm->LabeledEdit2.SetText(folder);
    MainForm->LabeledEdit3.SetText("OUT");
    MainForm->LabeledEdit4.SetText("NC");
    MainForm->LabeledEdit5.SetText("X");
    HHOOK hook = SetWindowsHookExW(WH_CBT, ActivationHook, nullptr, GetCurrentThreadId());

    const HWND main_window = MainForm->Handle();
    const HWND abort_button = MainForm->Button4.Handle();
    std::atomic<bool> running{true};
    std::atomic<double> start{0};
    std::atomic<double> abort_clicked{0};
    std::atomic<double> abort_handled{0};
    const winkit::NotifyEvent abort_handler = MainForm->Button4.OnClick;
    MainForm->Button4.OnClick = [&](winkit::Component* sender) {
        abort_handled = RunClock();
        abort_handler(sender);
    };
    std::vector<Probe> probes;
    std::atomic<bool> prober_done{false};
    std::thread prober([&] {
        while (start == 0) {
            Sleep(0);
        }
        while (running) {
            const double sent = RunClock();
            DWORD_PTR result = 0;
            SendMessageTimeoutW(main_window, WM_NULL, 0, 0, SMTO_NORMAL, 600000, &result);
            probes.push_back({sent, RunClock() - sent});
            Sleep(1); // a new probe every millisecond
        }
        prober_done = true;
    });

    // The user's click on Abort: it waits in the queue until the window handles messages.
    std::thread clicker([&] {
        if (abort_after <= 0) {
            return;
        }
        while (start == 0 || RunClock() - start < abort_after) {
            Sleep(1);
        }
        abort_clicked = RunClock();
        PostMessageW(abort_button, BM_CLICK, 0, 0);
    });
    if (abort_after == 0) {
        PostMessageW(abort_button, BM_CLICK, 0, 0);
    }
    start = RunClock();
    if (abort_after == 0) {
        abort_clicked = start.load();
    }
    SendMessageW(MainForm->Button3.Handle(), BM_CLICK, 0, 0);
    const double returned = RunClock();
    running = false;
    while (!prober_done) { // its last probe waits for an answer
        app.ProcessMessages();
        Sleep(1);
    }
    prober.join();
    clicker.join();
    UnhookWindowsHookEx(hook);

    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);

    const RunTimes& t = MainForm->LastRunTimesTaken();
    const double to_viewer = viewer_shown > 0 ? viewer_shown - start : -1;
    // The three longest waits for a reply, with when they began (from Start).
    std::sort(probes.begin(), probes.end(),
              [](const Probe& a, const Probe& b) { return a.latency > b.latency; });
    std::printf("source %s\n", source.c_str());
    std::printf("start_to_viewer_s %.3f\n", to_viewer);
    std::printf("start_to_return_s %.3f\n", returned - start);
    for (std::size_t i = 0; i < 3 && i < probes.size(); ++i) {
        std::printf("freeze_%zu_s %.3f at %.3f\n", i + 1, probes[i].latency,
                    probes[i].sent - start);
    }
    std::printf("probes %zu\n", probes.size());
    std::printf("loop_longest_gap_s %.4f\n", t.longest_gap);
    std::printf("loop_ticks %zu\n", t.ticks);
    std::printf("read_s %.4f\nload_view_s %.4f\nconvert_s %.4f\nview_lines_s %.4f\n", t.read,
                t.load_view, t.convert, t.view_lines);
    std::printf("progress_s %.4f\nmessages_s %.4f\nwhole_view_s %.4f\nhand_off_s %.4f\n",
                t.progress, t.messages, t.whole_view, t.hand_off);
    std::printf("clear_s %.4f\nscreen_saver_s %.4f\ntext_controls_s %.4f\n", t.clear,
                t.screen_saver, t.InTextControls());
    if (abort_after >= 0) {
        std::printf("abort_clicked_at_s %.3f\n", abort_clicked - start);
        std::printf("abort_handler_ran_at_s %.4f\n",
                    abort_handled > 0 ? abort_handled - start : -1.0);
        std::printf("abort_click_to_handler_s %.4f\n",
                    abort_handled > 0 ? abort_handled - abort_clicked : -1.0);
        if (stop_box_shown > 0) {
            std::printf("abort_handler_to_stop_message_s %.4f\n", stop_box_shown - abort_handled);
            std::printf("abort_click_to_stop_message_s %.4f\n", stop_box_shown - abort_clicked);
        } else {
            std::printf("abort_too_late_viewer_after_s %.4f\n", viewer_shown - abort_clicked);
        }
    }
    std::printf("peak_working_set_mb %.1f\n", memory.PeakWorkingSetSize / 1048576.0);
    std::printf("peak_private_mb %.1f\n", memory.PeakPagefileUsage / 1048576.0);
    std::fflush(stdout);

    app.DestroyForms();
    DeleteFileA((folder + "\\Ravoxel.INI").c_str());
    DeleteFileA((folder + "\\OUT.NC").c_str());
    RemoveDirectoryA(folder.c_str());
    return 0;
}
