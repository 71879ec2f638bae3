#pragma once
// Conversion runs on the real windows: source files in a scratch folder, the five fields filled
// as the user types them, Start pressed, and the modal viewer driven from a thread timer (its
// own message loop dispatches the timer).
#include <functional>
#include <string>

#include "main_form_fixture.h"

// The fields and steps of the run that the tests look at.
struct RunAccess {
    static const std::string& OutputPath(TMainForm& f) { return f.OutputPath; }
    static char StopRequest(TMainForm& f) { return f.StopRequest; }
    static int DialogResult(TMainForm& f) { return f.DialogResult; }
    static int& ViewLeft(TMainForm& f) { return f.ViewLeft; }
    static int& ViewTop(TMainForm& f) { return f.ViewTop; }
    static int& ViewWidth(TMainForm& f) { return f.ViewWidth; }
    static int& ViewHeight(TMainForm& f) { return f.ViewHeight; }
    static int& ViewFontSize(TMainForm& f) { return f.ViewFontSize; }
};

class RunTest : public MainFormTest {
protected:
    void SetUp() override { CreateWindows(); }

    // A file in the scratch folder holding `bytes`; returns its path.
    std::string WriteSource(const std::string& name, const std::string& bytes);
    // Types the five fields (Japanese texts go in through WM_SETTEXT, as a paste would).
    void Fill(const std::string& source, const std::string& folder, const std::string& name,
              const std::string& extension, const std::string& axis);
    // Fills the fields for `source`, output `<folder>\OUT.NC` in the scratch folder, axis X.
    void FillFor(const std::string& source, const std::string& axis = "X");
    std::string OutputFile() const { return folder.Path() + "\\OUT.NC"; }

    // Presses Start (a real BM_CLICK) and returns when the run handler has returned. When the
    // viewer opens, `in_viewer` runs inside its modal loop; the viewer is then closed with Back
    // unless `in_viewer` closed it. Returns whether the viewer was shown.
    bool Start(const std::function<void()>& in_viewer = {});

    // The log lines of the main window.
    std::vector<std::string> Log();

    // Idle: Start and Exit enabled, Abort disabled, progress at 0, progress text empty.
    void ExpectIdle();

    // The system's screen-saver setting, which a run only ever switches on.
    static void SwitchScreenSaverOff();
    static bool ScreenSaverOn();
};

// A Windows path to a file of the source tree (Wine shows the Linux root as drive Z:).
std::string SourceTreePath(const std::string& relative);
