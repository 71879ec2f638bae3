// The conversion run on the real main window: the field test and the focus, the output path, the
// overwrite question, the log, abort, a conversion error, a close request during a run and a
// second run.
#include <windows.h>

#include "box_answerer.h"
#include "core/conversion_engine.h"
#include "run_fixture.h"
#include "ui/Viewunit.h"
#include "winkit/application.h"
#include "winkit/files.h"
#include "winkit/text.h"

using ui_test::BoxAnswerer;
using winkit::Narrow;

namespace {

const std::string kHeader = Narrow(L"----- ﾛｸﾞ -----");
const std::string kDone = Narrow(L"--- 変換 完了 ---");
const std::string kStopped = Narrow(L" -- 中止 --");

std::string Converted(const std::string& source, char axis = 'X') {
    std::string out;
    EXPECT_FALSE(ravoxel::ConvertText(source, axis, out));
    return out;
}

} // namespace

TEST_F(RunTest, EmptyFieldsStopTheRunSilentlyWithTheLastEmptyOneFocused) {
    struct Case {
        const char* filled; // which of the five fields hold a text
        winkit::LabeledEdit TMainForm::*focused;
    };
    const Case cases[] = {
        {"00000", &TMainForm::LabeledEdit5}, {"11110", &TMainForm::LabeledEdit5},
        {"11101", &TMainForm::LabeledEdit4}, {"01111", &TMainForm::LabeledEdit1},
        {"10011", &TMainForm::LabeledEdit3},
    };
    winkit::LabeledEdit TMainForm::*fields[] = {&TMainForm::LabeledEdit1, &TMainForm::LabeledEdit2,
                                                &TMainForm::LabeledEdit3, &TMainForm::LabeledEdit4,
                                                &TMainForm::LabeledEdit5};
    const std::string source = WriteSource("A.NC", "X1\r\n");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.filled);
        FillFor(source);
        for (int i = 0; i < 5; ++i) {
            if (c.filled[i] == '0') {
                (form->*fields[i]).SetText("");
            }
        }
        BoxAnswerer boxes;
        SwitchScreenSaverOff();
        EXPECT_FALSE(Start());
        EXPECT_TRUE(boxes.Seen().empty());
        EXPECT_TRUE(ScreenSaverOn());
        EXPECT_TRUE((form->*c.focused).Focused());
        ExpectIdle();
        EXPECT_FALSE(winkit::FileExists(OutputFile()));
    }
}

TEST_F(RunTest, OutputPathJoinsFolderNameAndExtension) {
    struct Case {
        std::wstring folder;
        std::wstring path;
    };
    const Case cases[] = {
        {L"C:", L"C:\\N.E"},           {L"C:\\", L"C:\\N.E"},       {L"D:\\NC", L"D:\\NC\\N.E"},
        {L"D:\\NC\\", L"D:\\NC\\N.E"}, {L"D:\\表", L"D:\\表\\N.E"}, // the second byte of 表 is the
                                                                    // byte of "\"
    };
    const std::string source = WriteSource("A.NC", "X1\r\n");
    for (const Case& c : cases) {
        SCOPED_TRACE(Narrow(c.folder));
        Fill(source, Narrow(c.folder), "N", "E", "X");
        std::string viewer_label;
        EXPECT_TRUE(Start([&] { viewer_label = ViewForm->Label1.Text(); }));
        EXPECT_EQ(RunAccess::OutputPath(*form), Narrow(c.path));
        EXPECT_EQ(viewer_label, Narrow(c.path));
        EXPECT_EQ(form->Label1.Text(), Narrow(L"名前:") + Narrow(c.path));
    }
}

TEST_F(RunTest, CompletedRunHandsTheConvertedTextAndTheLogToTheViewer) {
    const std::string program = "O0001\r\nG01 X10. Z-5.\nX-2.5 F0.2\r\nM30";
    FillFor(WriteSource(Narrow(L"表ソ.NC"), program), "x"); // the axis field is upper-cased
    BoxAnswerer boxes;
    std::string converted, log, label;
    bool save_enabled = false;
    SwitchScreenSaverOff();
    const bool shown = Start([&] {
        EXPECT_TRUE(ScreenSaverOn()); // before the viewer is shown
        EXPECT_TRUE(form->RichEdit1.ReadOnly());
        EXPECT_TRUE(ViewForm->Visible());
        EXPECT_TRUE(form->Button4.Enabled()); // still running: Abort, not Start
        EXPECT_FALSE(form->Button3.Enabled());
        EXPECT_FALSE(form->Button5.Enabled());
        EXPECT_FALSE(IsWindowEnabled(form->Handle())); // the viewer is modal
        EXPECT_EQ(form->RichEdit1.Text(), "");         // the text went to the viewer
        converted = ViewForm->RichEdit1.Text();
        log = ViewForm->RichEdit2.Text();
        label = ViewForm->Label1.Text();
        save_enabled = ViewForm->Button1.Enabled();
    });
    ASSERT_TRUE(shown);
    EXPECT_TRUE(boxes.Seen().empty());
    EXPECT_EQ(converted, Converted(program));
    EXPECT_EQ(converted, "O0001\r\nG01 X20.0 Z-5.\r\nX-5.0 F0.2\r\nM30\r\n");
    EXPECT_EQ(log, kHeader + "\r\n" + kDone + "\r\n");
    EXPECT_EQ(label, OutputFile());
    EXPECT_TRUE(save_enabled);
    // Back cleared the log; the run wrote no file; the window is idle again.
    EXPECT_EQ(form->Memo1.Text(), "");
    EXPECT_FALSE(winkit::FileExists(OutputFile()));
    ExpectIdle();
    EXPECT_EQ(MainFormAccess::RecentFiles(*form)[0], folder.Path() + Narrow(L"\\表ソ.NC"));
}

TEST_F(RunTest, OverwriteQuestionDeclinedLeavesTheFileAndEndsIdleInTheNameField) {
    const std::string source = WriteSource("A.NC", "X1\r\n");
    winkit::ReplaceFileContents(OutputFile(), "old\r\n");
    form->Label1.SetText(Narrow(L"名前:before"));
    for (const int answer : {IDNO, 0 /* Escape */}) {
        FillFor(source);
        BoxAnswerer boxes({answer});
        EXPECT_FALSE(Start());
        ASSERT_EQ(boxes.Seen().size(), 1u);
        const ui_test::SeenBox& box = boxes.Seen()[0];
        EXPECT_EQ(box.caption, L"警告");
        EXPECT_EQ(box.text,
                  L"すでに" + winkit::Widen(OutputFile()) + L"が有ります。\n上書きしますか？");
        EXPECT_TRUE(box.has_yes && box.has_no);
        EXPECT_EQ(box.default_id, IDYES);
        EXPECT_EQ(box.rect.left, form->Left() + 50);
        EXPECT_EQ(box.rect.top, form->Top() + 50);
        EXPECT_EQ(RunAccess::DialogResult(*form), IDNO);
        EXPECT_EQ(RunAccess::OutputPath(*form), "");
        EXPECT_TRUE(form->LabeledEdit3.Focused());
        EXPECT_EQ(form->Label1.Text(), Narrow(L"名前:before"));
        EXPECT_EQ(form->RichEdit1.Text(), "");
        EXPECT_EQ(form->Memo1.Text(), "");
        ExpectIdle();
        EXPECT_EQ(winkit::ReadWholeFile(OutputFile()), "old\r\n");
    }
    // Yes goes on; the file is still only replaced by Save.
    FillFor(source);
    BoxAnswerer yes({IDYES});
    EXPECT_TRUE(Start());
    EXPECT_EQ(winkit::ReadWholeFile(OutputFile()), "old\r\n");
}

TEST_F(RunTest, AbortHandledAfterALineLetsTheNextOneConvertThenStops) {
    std::string program;
    for (int i = 1; i <= 50; ++i) {
        program += "N" + std::to_string(i) + " X" + std::to_string(i) + "\r\n";
    }
    FillFor(WriteSource("A.NC", program));
    BoxAnswerer boxes;
    // The click waits in the queue; the run handles messages first after line 1.
    PostMessageW(form->Button4.Handle(), BM_CLICK, 0, 0);
    SwitchScreenSaverOff();
    EXPECT_FALSE(Start());
    EXPECT_TRUE(ScreenSaverOn());
    ASSERT_EQ(boxes.Seen().size(), 1u);
    EXPECT_EQ(boxes.Seen()[0].caption, L"中止");
    EXPECT_EQ(boxes.Seen()[0].text, L"変換を中止します。");
    EXPECT_TRUE(boxes.Seen()[0].has_ok);
    EXPECT_EQ(RunAccess::StopRequest(*form), 'y');
    // Lines 1 and 2 converted, the rest as loaded.
    const std::string expected = "N1 X2\r\nN2 X4\r\n" + program.substr(program.find("N3 "));
    EXPECT_EQ(form->RichEdit1.Text(), expected);
    EXPECT_EQ(Log(), (std::vector<std::string>{kHeader, kStopped}));
    EXPECT_EQ(form->Label1.Text(), Narrow(L"名前:") + OutputFile());
    ExpectIdle();
    EXPECT_FALSE(winkit::FileExists(OutputFile()));

    // The next Start reloads the source from its file.
    BoxAnswerer none;
    std::string converted;
    EXPECT_TRUE(Start([&] { converted = ViewForm->RichEdit1.Text(); }));
    EXPECT_EQ(converted, Converted(program));
    EXPECT_TRUE(none.Seen().empty());
}

TEST_F(RunTest, ConversionErrorShowsTheMessageAndSelectsTheFailingLine) {
    const std::string program = "G01 X1.5\r\nX2\r\n(X AXIS)\r\nX3\r\n";
    FillFor(WriteSource("A.NC", program));
    BoxAnswerer boxes;
    EXPECT_FALSE(Start());
    ASSERT_EQ(boxes.Seen().size(), 1u);
    EXPECT_EQ(boxes.Seen()[0].caption, L"Ravoxel");
    EXPECT_EQ(boxes.Seen()[0].text, L"' ' は浮動小数点数ではありません.");
    EXPECT_TRUE(boxes.Seen()[0].has_ok);
    EXPECT_EQ(form->RichEdit1.Text(), "G01 X3.0\r\nX4\r\n(X AXIS)\r\nX3\r\n");
    EXPECT_EQ(form->RichEdit1.SelStart(), form->RichEdit1.LineStart(2));
    EXPECT_EQ(form->RichEdit1.SelLength(), 8);
    EXPECT_TRUE(form->RichEdit1.Focused());
    EXPECT_EQ(Log(), (std::vector<std::string>{kHeader, Narrow(L"0003行目 :変換ｴﾗｰ")}));
    ExpectIdle();
    EXPECT_FALSE(winkit::FileExists(OutputFile()));
}

TEST_F(RunTest, SourceWithNoLinesCompletesWithAnEmptyViewer) {
    FillFor(WriteSource("EMPTY.NC", ""));
    BoxAnswerer boxes({IDNO}); // the loader's question about the file format
    std::string converted = "unset", log;
    bool save_enabled = false;
    EXPECT_TRUE(Start([&] {
        converted = ViewForm->RichEdit1.Text();
        log = ViewForm->RichEdit2.Text();
        save_enabled = ViewForm->Button1.Enabled();
    }));
    EXPECT_EQ(boxes.Seen().size(), 1u);
    EXPECT_EQ(converted, "");
    EXPECT_EQ(log, kHeader + "\r\n" + kDone + "\r\n");
    EXPECT_TRUE(save_enabled);
    ExpectIdle();
}

TEST_F(RunTest, CloseRequestDuringARunLetsItFinishAndTheToolEnd) {
    const std::string program = "X1\r\nX2\r\nX3\r\n";
    FillFor(WriteSource("A.NC", program));
    // The close request waits in the queue; the run handles it after line 1.
    PostMessageW(form->Handle(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(Start()); // the application is ending: no viewer
    EXPECT_TRUE(winkit::App().Terminated());
    EXPECT_EQ(ViewForm->RichEdit1.Text(), Converted(program)); // the run went to its end
    EXPECT_TRUE(winkit::FileExists(SettingsPath()));           // the close query ran
    ExpectIdle();
}
