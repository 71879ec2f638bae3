// The result viewer: its window and pages, Save (exactly the bytes ravoxel-cli writes; the
// edited page when edited; never half a file), Back, and its geometry across showings and a
// restart.
#include <windows.h>

#include <richedit.h>

#include "box_answerer.h"
#include "core/conversion_engine.h"
#include "run_fixture.h"
#include "ui/Viewunit.h"
#include "window_probe.h"
#include "winkit/application.h"
#include "winkit/files.h"
#include "winkit/text.h"

using ui_test::BoxAnswerer;
using ui_test::WindowText;
using winkit::Narrow;

namespace {

std::string Converted(const std::string& source, char axis) {
    std::string out;
    EXPECT_FALSE(ravoxel::ConvertText(source, axis, out));
    return out;
}

} // namespace

// The road of one conversion: a real program named in the source field, Start, the viewer,
// Save, and the file byte for byte as ravoxel-cli writes it (its golden file).
TEST_F(RunTest, CorpusProgramSavedFromTheViewerIsWhatTheCliWrites) {
    struct Case {
        const char* program;
        const char* axis;
    };
    // The second holds a UTF-8 byte-order mark, which is no code-page-932 text.
    for (const Case c :
         {Case{"ncworks_swiss_lathe_sample.m", "X"}, Case{"wada_main_DR_template.txt", "Z"}}) {
        SCOPED_TRACE(c.program);
        const std::string source = SourceTreePath(std::string("../shared/corpus/") + c.program);
        const std::string golden = winkit::ReadWholeFile(
            SourceTreePath(std::string("tests/golden/") + c.program + "." + c.axis));
        DeleteFileW(winkit::Widen(OutputFile()).c_str());
        FillFor(source, c.axis);
        BoxAnswerer boxes;
        bool save_enabled_after = true;
        EXPECT_TRUE(Start([&] {
            SendMessageW(ViewForm->Button1.Handle(), BM_CLICK, 0, 0);
            save_enabled_after = ViewForm->Button1.Enabled();
        }));
        EXPECT_TRUE(boxes.Seen().empty());
        EXPECT_FALSE(save_enabled_after);
        EXPECT_EQ(winkit::ReadWholeFile(OutputFile()), golden);
        EXPECT_EQ(golden, Converted(winkit::ReadWholeFile(source), c.axis[0]));
        EXPECT_EQ(folder.Files(), (std::vector<std::string>{"OUT.NC"})); // no temporary left
    }
}

TEST_F(RunTest, SaveWritesTheEditedPageWhenTheUserChangedIt) {
    FillFor(WriteSource("A.NC", "X1\r\nX2\r\n"));
    EXPECT_TRUE(Start([&] {
        ViewForm->RichEdit1.Select(0, 0);
        ViewForm->RichEdit1.ReplaceSelection(Narrow(L"(表) ")); // as typed
        ViewForm->RichEdit2.Select(0, 0);
        ViewForm->RichEdit2.ReplaceSelection("log edit ");
        SendMessageW(ViewForm->Button1.Handle(), BM_CLICK, 0, 0);
    }));
    EXPECT_EQ(winkit::ReadWholeFile(OutputFile()), Narrow(L"(表) X2\r\nX4\r\n"));
}

TEST_F(RunTest, FailedSaveKeepsTheOldFileAndSaveEnabled) {
    FillFor(WriteSource("A.NC", "X1\r\n"));
    winkit::ReplaceFileContents(OutputFile(), "old\r\n");
    SetFileAttributesW(winkit::Widen(OutputFile()).c_str(), FILE_ATTRIBUTE_READONLY);
    BoxAnswerer boxes({IDYES, IDOK});
    bool enabled_after_failure = false;
    bool still_shown = false;
    EXPECT_TRUE(Start([&] {
        SendMessageW(ViewForm->Button1.Handle(), BM_CLICK, 0, 0);
        enabled_after_failure = ViewForm->Button1.Enabled();
        still_shown = ViewForm->Visible();
    }));
    SetFileAttributesW(winkit::Widen(OutputFile()).c_str(), FILE_ATTRIBUTE_NORMAL);
    ASSERT_EQ(boxes.Seen().size(), 2u); // the overwrite question, then the error
    EXPECT_EQ(boxes.Seen()[1].caption, L"Ravoxel");
    EXPECT_EQ(boxes.Seen()[1].text,
              L"ファイル " + winkit::Widen(OutputFile()) + L" を作成できません.");
    EXPECT_TRUE(enabled_after_failure);
    EXPECT_TRUE(still_shown);
    EXPECT_EQ(winkit::ReadWholeFile(OutputFile()), "old\r\n");
    EXPECT_EQ(folder.Files(), (std::vector<std::string>{"A.NC", "OUT.NC"}));

    // A folder that does not exist.
    Fill(folder.Path() + "\\A.NC", folder.Path() + "\\missing", "OUT", "NC", "X");
    BoxAnswerer missing({IDOK});
    EXPECT_TRUE(Start([&] { SendMessageW(ViewForm->Button1.Handle(), BM_CLICK, 0, 0); }));
    ASSERT_EQ(missing.Seen().size(), 1u);
    EXPECT_EQ(missing.Seen()[0].text, L"ファイル " +
                                          winkit::Widen(folder.Path() + "\\missing\\OUT.NC") +
                                          L" を作成できません.");
}

TEST_F(RunTest, ViewerWindowPagesAndFonts) {
    RunAccess::ViewFontSize(*form) = 12;
    FillFor(WriteSource("A.NC", "X1\r\n"));
    EXPECT_TRUE(Start([&] {
        EXPECT_EQ(WindowText(ViewForm->Handle()), L"ViewForm");
        const LONG style = GetWindowLongW(ViewForm->Handle(), GWL_STYLE);
        EXPECT_FALSE(style & WS_THICKFRAME);
        EXPECT_FALSE(style & WS_MAXIMIZEBOX);
        EXPECT_TRUE(style & WS_MINIMIZEBOX);
        EXPECT_EQ(WindowText(ViewForm->Button1.Handle()), L"保存");
        EXPECT_EQ(WindowText(ViewForm->Button2.Handle()), L"印刷");
        EXPECT_EQ(WindowText(ViewForm->Button3.Handle()), L"ﾌﾟﾘﾝﾀ設定");
        EXPECT_EQ(WindowText(ViewForm->Button4.Handle()), L"戻る");
        for (const winkit::Button* button :
             {&ViewForm->Button1, &ViewForm->Button2, &ViewForm->Button3, &ViewForm->Button4}) {
            EXPECT_EQ(button->Top(), 440);
            EXPECT_EQ(button->Width(), 80);
            EXPECT_EQ(button->Height(), 25);
        }
        EXPECT_EQ(ViewForm->Button4.Left(), 300);
        EXPECT_EQ(GetNextDlgTabItem(ViewForm->Handle(), ViewForm->Button3.Handle(), FALSE),
                  ViewForm->Button4.Handle());
        EXPECT_EQ(ViewForm->PageControl1.PageCount(), 2);
        EXPECT_EQ(ViewForm->PageControl1.ActivePageIndex(), 0);
        EXPECT_EQ(ViewForm->Label1.Width(), ViewForm->ClientWidth());
        EXPECT_EQ(ViewForm->PageControl1.Top(), 12);
        EXPECT_EQ(ViewForm->PageControl1.Height(), 421);
        // Both panes in the fixed font of ViewFontSize points (twips: points * 20).
        for (const winkit::RichEdit* rich : {&ViewForm->RichEdit1, &ViewForm->RichEdit2}) {
            CHARFORMATW format{};
            format.cbSize = sizeof format;
            SendMessageW(rich->Handle(), EM_GETCHARFORMAT, SCF_DEFAULT,
                         reinterpret_cast<LPARAM>(&format));
            EXPECT_EQ(format.yHeight, 12 * 20);
            EXPECT_FALSE(rich->ReadOnly());
        }
        ViewForm->PageControl1.SetActivePage(ViewForm->TabSheet2);
    }));
    // Every showing opens on the converted data.
    int page = -1;
    EXPECT_TRUE(Start([&] { page = ViewForm->PageControl1.ActivePageIndex(); }));
    EXPECT_EQ(page, 0);
}

TEST_F(RunTest, BackClearsTheLogTheCloseBoxKeepsIt) {
    FillFor(WriteSource("A.NC", "X1\r\n"));
    EXPECT_TRUE(Start([] { SendMessageW(ViewForm->Handle(), WM_CLOSE, 0, 0); }));
    EXPECT_EQ(Log().size(), 2u);
    EXPECT_TRUE(Start([] { SendMessageW(ViewForm->Button4.Handle(), BM_CLICK, 0, 0); }));
    EXPECT_TRUE(Log().empty());
}

TEST_F(RunTest, ViewerGeometryComesBackAfterARestart) {
    FillFor(WriteSource("A.NC", "X1\r\n"));
    RunAccess::ViewLeft(*form) = 120;
    RunAccess::ViewTop(*form) = 90;
    RunAccess::ViewWidth(*form) = 560;
    RunAccess::ViewHeight(*form) = 520;
    winkit::Rect shown{};
    EXPECT_TRUE(Start([&] {
        shown = ViewForm->Bounds();
        ViewForm->SetBounds({200, 150, 560, 520}); // the user moves it
    }));
    EXPECT_EQ(shown.left, 120);
    EXPECT_EQ(shown.top, 90);
    EXPECT_EQ(shown.width, 560);
    EXPECT_EQ(shown.height, 520);
    EXPECT_EQ(RunAccess::ViewLeft(*form), 200);
    EXPECT_EQ(RunAccess::ViewTop(*form), 150);

    CloseMainWindow(); // the settings are written
    winkit::App().DestroyForms();
    CreateWindows();
    FillFor(folder.Path() + "\\A.NC");
    BoxAnswerer none;
    EXPECT_TRUE(Start([&] { shown = ViewForm->Bounds(); }));
    EXPECT_EQ(shown.left, 200);
    EXPECT_EQ(shown.top, 150);
    EXPECT_EQ(shown.width, 560);
    EXPECT_EQ(shown.height, 520);
}

TEST_F(RunTest, ViewerStoredOffEveryMonitorOpensOverTheMainWindow) {
    FillFor(WriteSource("A.NC", "X1\r\n"));
    RunAccess::ViewLeft(*form) = -32000;
    RunAccess::ViewTop(*form) = -32000;
    winkit::Rect shown{};
    EXPECT_TRUE(Start([&] { shown = ViewForm->Bounds(); }));
    EXPECT_EQ(shown.left, form->Left());
    EXPECT_EQ(shown.top, form->Top());
    EXPECT_EQ(shown.height, RunAccess::ViewHeight(*form));
}
