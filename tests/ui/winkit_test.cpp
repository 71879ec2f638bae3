// winkit on real windows: the code-page boundary, the form base, the controls, the dialogs and
// the file helpers.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include "box_answerer.h"
#include "test_folder.h"
#include "window_probe.h"
#include "winkit/application.h"
#include "winkit/dialogs.h"
#include "winkit/error.h"
#include "winkit/files.h"
#include "winkit/font.h"
#include "winkit/menu.h"
#include "winkit/page_control.h"
#include "winkit/screen.h"
#include "winkit/status_bar.h"
#include "winkit/text.h"
#include "winkit/text_controls.h"

using ui_test::BoxAnswerer;
using ui_test::WindowText;
using winkit::Narrow;
using winkit::Widen;

namespace {

class SampleForm : public winkit::Form {
public:
    SampleForm() : font_(Narrow(L"ＭＳ Ｐゴシック"), -12, winkit::Pitch::Variable) {
        Button1.OnClick = winkit::Bind(this, &SampleForm::Button1Click);
        Item1.OnClick = winkit::Bind(this, &SampleForm::Item1Click);
        OnCloseQuery = [this](winkit::Component*, bool& can_close) { can_close = may_close; };
    }

    winkit::Panel Panel1;
    winkit::LabeledEdit Edit1;
    winkit::Edit Edit2;
    winkit::Button Button1;
    winkit::RichEdit Rich1;
    winkit::Memo Memo1;
    winkit::StatusBar Status1;
    winkit::PageControl Pages1;
    winkit::TabSheet Sheet1, Sheet2;
    winkit::RichEdit PageRich;
    winkit::MainMenu Menu1;
    winkit::MenuItem File, Item1, Separator, Item2;

    int clicks = 0;
    int item_clicks = 0;
    bool may_close = true;
    bool throw_on_click = false;

protected:
    winkit::FormParams Params() const override {
        return {L"WinkitSampleForm", "sample", 30, 40, 420, 330};
    }

    void CreateControls() override {
        SetFont(font_);
        Panel1.Create(Handle(), {0, 0, 420, 100}, "");
        Edit1.Create(Panel1.Handle(), {5, 20, 200, 20}, Narrow(L"ラベル"));
        Edit2.Create(Panel1.Handle(), {5, 60, 100, 20}, "");
        Button1.Create(Panel1.Handle(), {220, 20, 80, 25}, Narrow(L"開始"));
        Rich1.Create(Handle(), {0, 100, 200, 100}, "");
        Memo1.Create(Handle(), {200, 100, 220, 100}, "");
        Pages1.Create(Handle(), {0, 200, 420, 109}, "");
        Pages1.AddPage(Sheet1, "one");
        Pages1.AddPage(Sheet2, "two");
        PageRich.Create(Sheet2.Handle(), {0, 0, 100, 50}, "");
        Status1.Create(Handle(), {0, 309, 420, 21}, "");
        Status1.SetPanels({{100, false}, {50}});
        File.SetCaption("File");
        Item1.SetCaption("&Item one");
        Separator.SetCaption("-");
        Item2.SetCaption("Item two");
        Menu1.Add(File);
        File.Add(Item1);
        File.Add(Separator);
        File.Add(Item2);
        SetMenu(Menu1);
    }

private:
    void Button1Click(winkit::Component*) {
        ++clicks;
        if (throw_on_click) {
            throw winkit::Error(Narrow(L"ファイル X を作成できません"));
        }
    }
    void Item1Click(winkit::Component*) { ++item_clicks; }

    winkit::Font font_;
};

class WinkitTest : public ::testing::Test {
protected:
    void SetUp() override {
        winkit::App().SetTitle("Ravoxel");
        winkit::App().CreateForm(form);
    }
    void TearDown() override { winkit::App().DestroyForms(); }

    SampleForm* form = nullptr;
};

} // namespace

TEST(WinkitText, CodePage932RoundTripsWhatItHolds) {
    // ソ and 表 have 0x5C as their second byte; half-width katakana are single bytes.
    const std::string bytes = "\x83\x5C\x95\x5C\xC3\xDE\xB0\xC0 C:\\NC";
    EXPECT_EQ(Widen(bytes), L"ソ表ﾃﾞｰﾀ C:\\NC");
    EXPECT_EQ(Narrow(Widen(bytes)), bytes);
    EXPECT_EQ(winkit::NarrowExactly(L"ソ表"), std::optional<std::string>("\x83\x5C\x95\x5C"));
    EXPECT_EQ(winkit::NarrowExactly(L"한국어"), std::nullopt); // no Hangul in code page 932
}

TEST_F(WinkitTest, FormHasTheClientSizeAskedForAndControlsTheirPlaces) {
    EXPECT_EQ(form->ClientWidth(), 420);
    EXPECT_EQ(form->ClientHeight(), 330);
    EXPECT_EQ(form->Left(), 30);
    EXPECT_EQ(form->Top(), 40);
    const winkit::Rect edit = form->Edit1.Bounds();
    const winkit::Rect label = form->Edit1.EditLabel.Bounds();
    EXPECT_EQ(edit.left, 5);
    EXPECT_EQ(edit.top, 20);
    EXPECT_EQ(label.left, 5);
    EXPECT_EQ(label.top + label.height + 3, 20); // label 3 pixels above its edit
    EXPECT_EQ(WindowText(form->Edit1.EditLabel.Handle()), L"ラベル");
    EXPECT_EQ(GetParent(form->Edit1.Handle()), form->Panel1.Handle());
    // Every control takes the form's font.
    EXPECT_EQ(form->Button1.Font(), form->FontHandle());
    EXPECT_FALSE(winkit::Font(Narrow(L"ＭＳ Ｐゴシック"), -12, winkit::Pitch::Variable)
                     .ActualFace()
                     .empty());
}

TEST_F(WinkitTest, ButtonClickReachesItsHandlerThroughThePanel) {
    form->Show();
    SendMessageW(form->Button1.Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(form->clicks, 1);
}

TEST_F(WinkitTest, ExceptionInAHandlerIsShownWithAFullStopAndTheTitle) {
    form->Show();
    form->throw_on_click = true;
    BoxAnswerer answerer({IDOK});
    SendMessageW(form->Button1.Handle(), BM_CLICK, 0, 0);
    ASSERT_EQ(answerer.Seen().size(), 1u);
    EXPECT_EQ(answerer.Seen()[0].caption, L"Ravoxel");
    EXPECT_EQ(answerer.Seen()[0].text, L"ファイル X を作成できません.");
    EXPECT_TRUE(answerer.Seen()[0].has_ok);
    EXPECT_TRUE(IsWindowVisible(form->Handle())); // the window stays
}

TEST_F(WinkitTest, MenuItemsHideShowInPlaceAndCarryChecks) {
    HMENU bar = GetMenu(form->Handle());
    ASSERT_NE(bar, nullptr);
    HMENU file = GetSubMenu(bar, 0);
    EXPECT_EQ(ui_test::MenuCaptions(file),
              (std::vector<std::wstring>{L"&Item one", L"-", L"Item two"}));
    form->Separator.SetVisible(false);
    form->Item1.SetVisible(false);
    EXPECT_EQ(ui_test::MenuCaptions(file), (std::vector<std::wstring>{L"Item two"}));
    form->Separator.SetVisible(true);
    EXPECT_EQ(ui_test::MenuCaptions(file), (std::vector<std::wstring>{L"-", L"Item two"}));
    form->Item1.SetVisible(true);
    form->Item1.SetCaption("&1 C:\\A");
    form->Item2.SetChecked(true);
    EXPECT_EQ(ui_test::MenuCaptions(file),
              (std::vector<std::wstring>{L"&1 C:\\A", L"-", L"Item two"}));
    EXPECT_EQ(GetMenuState(file, 2, MF_BYPOSITION) & MF_CHECKED, static_cast<UINT>(MF_CHECKED));
    SendMessageW(form->Handle(), WM_COMMAND, MAKEWPARAM(form->Item1.Command(), 0), 0);
    EXPECT_EQ(form->item_clicks, 1);
}

TEST_F(WinkitTest, RichEditKeepsJapaneseTextAndLineBreaks) {
    const std::string text = Narrow(L"G00 X10.\r\nソ表 Z-5.\r\n\r\nM30");
    form->Rich1.SetMaxLength(30000000);
    EXPECT_EQ(form->Rich1.MaxLength(), 30000000);
    form->Rich1.SetText(text);
    EXPECT_EQ(form->Rich1.Text(), text);
    EXPECT_EQ(form->Rich1.LineCount(), 4);
    EXPECT_EQ(form->Rich1.Line(1), Narrow(L"ソ表 Z-5."));
    EXPECT_EQ(form->Rich1.Line(2), "");
    // Selecting a line and replacing it leaves the others as they were.
    form->Rich1.Select(form->Rich1.LineStart(1), 2); // two characters, four bytes
    form->Rich1.ReplaceSelection("X");
    EXPECT_EQ(form->Rich1.Line(1), "X Z-5.");
    EXPECT_TRUE(form->Rich1.Modified());
    form->Rich1.SetReadOnly(true);
    EXPECT_TRUE(form->Rich1.ReadOnly());

    std::string big;
    for (int i = 0; i < 4000; ++i) {
        big += "N";
        big += std::to_string(i);
        big += " X12.345\r\n";
    }
    form->Rich1.SetText(big); // over the default limit of 32,767 characters
    EXPECT_EQ(form->Rich1.Text(), big);
}

TEST_F(WinkitTest, MemoAddsLinesAtTheEnd) {
    form->Memo1.AddLine(Narrow(L"----- ﾛｸﾞ -----"));
    form->Memo1.AddLine(Narrow(L"--- 変換 完了 ---"));
    EXPECT_EQ(form->Memo1.LineCount(), 2);
    EXPECT_EQ(form->Memo1.Text(), Narrow(L"----- ﾛｸﾞ -----\r\n--- 変換 完了 ---\r\n"));
    form->Memo1.Clear();
    EXPECT_EQ(form->Memo1.LineCount(), 0);
    form->Memo1.SetText("a");
    form->Memo1.AddLine("b");
    EXPECT_EQ(form->Memo1.Text(), "a\r\nb\r\n");
}

TEST_F(WinkitTest, StatusBarPanelsAndProgressBarOverTheFirst) {
    EXPECT_EQ(form->Status1.PanelEdges(), (std::vector<int>{100, -1}));
    form->Status1.SetPanelText(1, Narrow(L"0001行目 :ﾃﾞｰﾀ変換中"));
    EXPECT_EQ(form->Status1.PanelText(1), Narrow(L"0001行目 :ﾃﾞｰﾀ変換中"));
    winkit::ProgressBar bar;
    bar.SetSmooth(true);
    bar.Create(form->Status1.Handle(), {0, 2, 100, 19}, "");
    bar.SetMax(250);
    bar.SetPosition(100);
    EXPECT_EQ(bar.Max(), 250);
    EXPECT_EQ(bar.Position(), 100);
    EXPECT_TRUE(GetWindowLongPtrW(bar.Handle(), GWL_STYLE) & PBS_SMOOTH);
    EXPECT_EQ(GetParent(bar.Handle()), form->Status1.Handle());
}

TEST_F(WinkitTest, PageControlShowsOnePageAtATime) {
    form->Show();
    EXPECT_EQ(form->Pages1.ActivePageIndex(), 0);
    EXPECT_TRUE(form->Sheet1.Visible());
    EXPECT_FALSE(form->Sheet2.Visible());
    form->Pages1.SetActivePage(form->Sheet2);
    EXPECT_EQ(form->Pages1.ActivePageIndex(), 1);
    EXPECT_FALSE(form->Sheet1.Visible());
    EXPECT_TRUE(form->Sheet2.Visible());
    EXPECT_TRUE(IsWindowVisible(form->PageRich.Handle()));
}

TEST_F(WinkitTest, CloseOfTheMainFormTerminatesUnlessRefused) {
    form->Show();
    form->may_close = false;
    SendMessageW(form->Handle(), WM_CLOSE, 0, 0);
    winkit::App().ProcessMessages();
    EXPECT_FALSE(winkit::App().Terminated());
    form->may_close = true;
    SendMessageW(form->Handle(), WM_CLOSE, 0, 0);
    winkit::App().ProcessMessages();
    EXPECT_TRUE(winkit::App().Terminated());
}

namespace {
// A second form, shown modally from the test and closed by a thread timer from inside its loop.
class ModalForm : public winkit::Form {
protected:
    winkit::FormParams Params() const override {
        return {L"WinkitModalForm", "modal", 50, 50, 200, 100};
    }
    void CreateControls() override {}
};

ModalForm* modal_form = nullptr;
bool owner_enabled_while_modal = true;

void CALLBACK EndModal(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    owner_enabled_while_modal = IsWindowEnabled(winkit::App().MainForm()->Handle()) != FALSE;
    modal_form->SetModalResult(winkit::mrOk);
}
} // namespace

TEST_F(WinkitTest, ShowModalDisablesTheOthersUntilAResultIsSet) {
    form->Show();
    winkit::App().CreateForm(modal_form);
    SetTimer(nullptr, 0, 10, EndModal);
    EXPECT_EQ(modal_form->ShowModal(), winkit::mrOk);
    EXPECT_FALSE(owner_enabled_while_modal);
    EXPECT_TRUE(IsWindowEnabled(form->Handle()));
    EXPECT_FALSE(modal_form->Visible());
}

TEST_F(WinkitTest, PositionedQuestionWarnsAndTakesEscapeForNo) {
    form->Show();
    const std::string text = Narrow(L"すでにC:\\A.NC1が有ります。\n上書きしますか？");
    BoxAnswerer answerer({IDYES, 0});
    EXPECT_EQ(winkit::MessageDlgPos(text, winkit::MsgDlgType::Warning, winkit::mbYes | winkit::mbNo,
                                    80, 90),
              winkit::mrYes);
    EXPECT_EQ(winkit::MessageDlgPos(text, winkit::MsgDlgType::Warning, winkit::mbYes | winkit::mbNo,
                                    80, 90),
              winkit::mrNo);
    ASSERT_EQ(answerer.Seen().size(), 2u);
    const ui_test::SeenBox& box = answerer.Seen()[0];
    EXPECT_EQ(box.caption, L"警告");
    EXPECT_EQ(box.text, L"すでにC:\\A.NC1が有ります。\n上書きしますか？");
    EXPECT_EQ(box.rect.left, 80);
    EXPECT_EQ(box.rect.top, 90);
    EXPECT_TRUE(box.has_yes && box.has_no);
    EXPECT_FALSE(box.has_ok);
    EXPECT_EQ(box.default_id, IDYES);
    EXPECT_EQ(WindowText(GetDlgItem(GetDesktopWindow(), IDYES)), L""); // nothing left open
}

TEST_F(WinkitTest, MessageBoxReturnsTheButtonPressed) {
    BoxAnswerer answerer({IDOK});
    EXPECT_EQ(winkit::App().MessageBox(Narrow(L"変換を中止します。"), Narrow(L"中止"),
                                       MB_OK | MB_ICONSTOP),
              IDOK);
    ASSERT_EQ(answerer.Seen().size(), 1u);
    EXPECT_EQ(answerer.Seen()[0].caption, L"中止");
    EXPECT_EQ(answerer.Seen()[0].text, L"変換を中止します。");
}

TEST(WinkitFiles, ReplaceWritesWholeAndRefusesReadOnly) {
    ui_test::TestFolder folder;
    const std::string path = folder.Path() + Narrow(L"\\表ソ.INI"); // 0x5C second bytes
    winkit::ReplaceFileContents(path, "one\r\n");
    EXPECT_EQ(winkit::ReadWholeFile(path), "one\r\n");
    winkit::ReplaceFileContents(path, "two\r\n");
    EXPECT_EQ(winkit::ReadWholeFile(path), "two\r\n");
    EXPECT_EQ(folder.Files(), (std::vector<std::string>{Narrow(L"表ソ.INI")})); // no leftovers

    SetFileAttributesW(Widen(path).c_str(), FILE_ATTRIBUTE_READONLY);
    try {
        winkit::ReplaceFileContents(path, "three\r\n");
        ADD_FAILURE() << "a read-only file was replaced";
    } catch (const winkit::FileError& error) {
        EXPECT_EQ(error.Code(), static_cast<unsigned long>(ERROR_ACCESS_DENIED));
        EXPECT_EQ(error.Path(), path);
    }
    EXPECT_EQ(winkit::ReadWholeFile(path), "two\r\n");
    SetFileAttributesW(Widen(path).c_str(), FILE_ATTRIBUTE_NORMAL);

    EXPECT_THROW(winkit::ReadWholeFile(folder.Path() + "\\missing.txt"), winkit::FileError);
    EXPECT_THROW(winkit::ReplaceFileContents(folder.Path() + "\\no\\such\\dir.ini", "x"),
                 winkit::FileError);
}

TEST(WinkitScreen, RectanglesOffEveryMonitorAreSeen) {
    EXPECT_TRUE(winkit::IsOnAnyMonitor({10, 10, 500, 480}));
    EXPECT_TRUE(winkit::IsOnAnyMonitor({-400, -100, 500, 480})); // partly visible
    EXPECT_FALSE(winkit::IsOnAnyMonitor({-32000, -32000, 160, 30}));
    EXPECT_FALSE(winkit::IsOnAnyMonitor({5000, 10, 500, 480}));
}
