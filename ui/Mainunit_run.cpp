// The conversion run: Start, Abort and the stop test.
//
// The run converts the working-text model (WorkingTextView), not the rich edit line by line, and
// lets window messages through at a bounded rate rather than after every line: every
// kTickInterval it writes the visible converted lines into the view, moves the progress bar and
// the progress text, and handles the waiting messages. Converting a line costs microseconds
// while handling messages costs far more under Wine (30 us for an empty queue), so a pump per
// line would make the run slow; during the conversion the window is still never left without
// messages for longer than a tick.
// The stop request is still tested after every line: Abort is handled in a tick after some line
// i, the loop converts line i + 1 and its test then ends the run, as with a pump after every
// line. A close request handled in a tick ends the message loop but not the run: the run goes on
// to its end and hands its text over, and the viewer, which would close at once because the
// application is ending, is not shown.
#include <algorithm>

#include "core/axis_doubling.h"
#include "core/paths.h"
#include "core/progress_text.h"
#include "ui/Mainunit.h"
#include "ui/Viewunit.h"
#include "winkit/application.h"
#include "winkit/dialogs.h"
#include "winkit/files.h"

namespace {

constexpr double kTickInterval = 0.020; // seconds

} // namespace

void TMainForm::Button3Click(winkit::Component* /*Sender*/) {
    StopRequest = 'n';
    Button4.SetEnabled(true);

    // Every empty field gets the focus in turn, so the last empty one keeps it.
    bool filled = true;
    for (winkit::LabeledEdit* field :
         {&LabeledEdit1, &LabeledEdit2, &LabeledEdit3, &LabeledEdit4, &LabeledEdit5}) {
        if (field->Text().empty()) {
            field->SetFocus();
            filled = false;
        }
    }
    if (!filled) {
        EndRun();
        return;
    }

    AddRecentFile(LabeledEdit1.Text());
    const std::string folder = LabeledEdit2.Text();
    RunTimes times;
    {
        StepTimer timer(times.clear);
        Working.Clear();
        Memo1.Clear();
    }
    OutputPath = ravoxel::ComposeOutputPath(folder, LabeledEdit3.Text(), LabeledEdit4.Text());

    if (winkit::FileExists(OutputPath)) {
        DialogResult = winkit::MessageDlgPos(
            "すでに" + OutputPath + "が有ります。\n上書きしますか？", winkit::MsgDlgType::Warning,
            winkit::mbYes | winkit::mbNo, Left() + 50, Top() + 50);
        if (DialogResult != winkit::mrYes) {
            OutputPath.clear();
            Button4.SetEnabled(false);
            LabeledEdit3.SetFocus();
            return;
        }
    }

    Button3.SetEnabled(false);
    Button5.SetEnabled(false);
    Label1.SetText("名前:" + OutputPath);
    RichEdit1.SetReadOnly(true);
    LastRunTimes = times;

    if (!LoadSourceText(LabeledEdit1.Text())) {
        EndRun(); // refused before anything was loaded
        return;
    }
    Memo1.AddLine("----- ﾛｸﾞ -----");
    if (CheckStopRequest(StopRequest)) {
        return;
    }

    Working.BeginConversion(ravoxel::AxisLetter(LabeledEdit5.Text()[0]));
    ProgressBar->SetMax(static_cast<int>(Working.LineCount()));
    ProgressBar->SetMin(0);
    ProgressBar->SetPosition(0);

    const double loop_start = RunClock();
    double last_pump = loop_start;
    double next_tick = loop_start; // the first line is shown at once
    double in_ticks = 0;
    while (!Working.Finished()) {
        if (const auto failure = Working.ConvertNextLine()) {
            LastRunTimes.convert += RunClock() - loop_start - in_ticks;
            ConversionFailed(*failure);
            return;
        }
        if (CheckStopRequest(StopRequest)) {
            return;
        }
        const double now = RunClock();
        if (now >= next_tick) {
            ShowRunProgress(true);
            const double before = RunClock();
            LastRunTimes.longest_gap = std::max(LastRunTimes.longest_gap, before - last_pump);
            winkit::App().ProcessMessages();
            const double after = RunClock();
            LastRunTimes.messages += after - before;
            in_ticks += after - now;
            ++LastRunTimes.ticks;
            last_pump = after;
            next_tick = after + kTickInterval;
        }
    }
    LastRunTimes.convert += RunClock() - loop_start - in_ticks;
    // The bar reaches its end on the last line. The view is left as it is: its text goes to
    // the viewer and is emptied next, and under Wine every change of a long text costs time
    // that grows with its length (0.2 s and more at 100,000 lines).
    ShowRunProgress(false);

    ProgressBar->SetMin(0);
    ProgressBar->SetPosition(0);
    Memo1.AddLine("--- 変換 完了 ---");
    StatusBar1.SetPanelText(1, "");
    winkit::App().ProcessMessages();

    {
        StepTimer timer(LastRunTimes.hand_off);
        ViewForm->SetConvertedText(Working.Converted());
        ViewForm->RichEdit2.SetText(Memo1.Text());
        ViewForm->Button1.SetEnabled(true);
        ViewForm->Label1.SetText(OutputPath);
    }
    {
        // Emptied after the viewer is filled, not before: under Wine, a long text set just
        // after a long rich edit was destroyed takes many times longer (100,000 lines: 90 s
        // instead of 10 s).
        StepTimer timer(LastRunTimes.clear);
        Working.Clear();
    }
    {
        StepTimer timer(LastRunTimes.screen_saver);
        SwitchScreenSaverOn();
    }
    // After a close request the message loop has ended: the viewer would close at once.
    if (!winkit::App().Terminated()) {
        ViewForm->ShowModal();
    }
    EndRun();
}

void TMainForm::Button4Click(winkit::Component* /*Sender*/) {
    SwitchScreenSaverOn();
    StopRequest = 'y';
    Button4.SetEnabled(false);
}

bool TMainForm::CheckStopRequest(char Flag) {
    if (Flag != 'y') {
        return false;
    }
    // The message first, at once; the view gets the model's text after it (under Wine that
    // takes seconds for a long text).
    ShowRunProgress(false);
    MessageText = "変換を中止します。";
    DialogResult = winkit::App().MessageBox(MessageText, "中止", MB_OK | MB_ICONSTOP);
    {
        StepTimer timer(LastRunTimes.whole_view);
        Working.ShowModelText();
    }
    StatusBar1.SetPanelText(1, "");
    Memo1.AddLine(" -- 中止 --");
    ProgressBar->SetPosition(0);
    Button3.SetEnabled(true);
    Button5.SetEnabled(true);
    RichEdit1.SetReadOnly(false);
    return true;
}

void TMainForm::ShowRunProgress(bool WithView) {
    if (WithView) {
        StepTimer timer(LastRunTimes.view_lines);
        Working.ShowVisibleLines();
    }
    StepTimer timer(LastRunTimes.progress);
    if (const std::size_t done = Working.LinesDone(); done > 0) {
        ProgressBar->SetPosition(static_cast<int>(done));
        StatusBar1.SetPanelText(1, ravoxel::ProgressText(done));
    }
}

void TMainForm::ConversionFailed(const ravoxel::ConversionFailure& Failure) {
    ShowRunProgress(false);
    winkit::App().ShowException(ravoxel::ConversionError(Failure.number_text));
    {
        // Earlier lines converted, the failing one and the rest as loaded; the failing line is
        // selected so that the user sees what to mend.
        StepTimer timer(LastRunTimes.whole_view);
        Working.ShowModelText();
    }
    Working.SelectLine(Failure.line_number - 1);
    ProgressBar->SetPosition(0);
    StatusBar1.SetPanelText(1, "");
    Memo1.AddLine(ravoxel::ConversionErrorLogLine(Failure.line_number));
    EndRun();
    RichEdit1.SetFocus();
}

void TMainForm::EndRun() {
    SwitchScreenSaverOn();
    Button3.SetEnabled(true);
    Button4.SetEnabled(false);
    Button5.SetEnabled(true);
    RichEdit1.SetReadOnly(false);
}
