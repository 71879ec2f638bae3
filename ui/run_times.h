#pragma once
// Where the time of the last conversion run went, step by step, in seconds. The main window
// keeps it for the GUI benchmark; measuring costs two clock readings per step, not per line.
#include <windows.h>

#include <cstddef>

struct RunTimes {
    double read = 0;         // reading the source file
    double load_view = 0;    // the loaded text into the working text's view
    double convert = 0;      // the conversion loop, less the ticks below
    double view_lines = 0;   // visible converted lines written into the view during the run
    double progress = 0;     // progress bar and progress text
    double messages = 0;     // window messages handled during the conversion loop
    double whole_view = 0;   // the view brought up to the model after a stop or a failure
    double hand_off = 0;     // the texts into the result viewer
    double clear = 0;        // emptying the working text and the log
    double screen_saver = 0; // switching the screen saver on (a broadcast to every window)
    double longest_gap = 0;  // the longest time the conversion loop went without messages
    std::size_t ticks = 0;   // times the loop let messages through

    // Text controls: the load, the visible lines, the whole text, the hand-off and the clears.
    double InTextControls() const { return load_view + view_lines + whole_view + hand_off + clear; }
};

// Seconds on the system's monotonic high-resolution clock. (Not <chrono>: its sources hold a
// character that code page 932, the execution character set of the windows, has not.)
inline double RunClock() {
    static const double frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart);
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / frequency;
}

// Adds the time from its making to its end to a RunTimes member.
class StepTimer {
public:
    explicit StepTimer(double& total) : total_(total), start_(RunClock()) {}
    ~StepTimer() { total_ += RunClock() - start_; }
    StepTimer(const StepTimer&) = delete;
    StepTimer& operator=(const StepTimer&) = delete;

private:
    double& total_;
    double start_;
};
