// The main window as it stands after start: window, controls, fonts, tab order, status bar,
// progress bar, menus, and the four windows of start-up.
#include <windows.h>

#include <commctrl.h>
#include <richedit.h>

#include <vector>

#include "box_answerer.h"
#include "main_form_fixture.h"
#include "ui/Userform.h"
#include "ui/Viewprint.h"
#include "ui/Viewunit.h"
#include "window_probe.h"
#include "winkit/application.h"
#include "winkit/text.h"

using ui_test::MenuEntry;
using ui_test::WindowText;

namespace {

struct Placement {
    const char* name;
    winkit::Control* control;
    HWND parent;
    winkit::Rect bounds;
};

std::wstring FontFace(HWND window, LOGFONTW* out = nullptr) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)), sizeof font, &font);
    if (out) {
        *out = font;
    }
    return font.lfFaceName;
}

} // namespace

TEST_F(MainFormTest, WindowCaptionSizeBorderAndPlace) {
    CreateWindows(false);
    EXPECT_EQ(WindowText(form->Handle()), L"ラボクセル"); // until it is shown
    form->Show();
    EXPECT_EQ(WindowText(form->Handle()), L"ラボクセル Ver1.11");
    EXPECT_EQ(MainFormAccess::VersionText(*form), "1.11");
    EXPECT_EQ(form->ClientWidth(), 493);
    EXPECT_EQ(form->ClientHeight(), 424);
    EXPECT_EQ(form->Left(), 10); // no settings file: 10, 10
    EXPECT_EQ(form->Top(), 10);
    const LONG_PTR style = GetWindowLongPtrW(form->Handle(), GWL_STYLE);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME); // the user cannot resize it
    EXPECT_NE(SendMessageW(form->Handle(), WM_GETICON, ICON_BIG, 0), 0);
    LOGFONTW font;
    EXPECT_EQ(FontFace(form->Handle(), &font), L"ＭＳ Ｐゴシック");
    EXPECT_EQ(font.lfHeight, -12);
    EXPECT_EQ(font.lfCharSet, SHIFTJIS_CHARSET);
}

TEST_F(MainFormTest, ControlsStandWhereTheLayoutPutsThem) {
    CreateWindows();
    TMainForm& f = *form;
    HWND panel = f.Panel1.Handle();
    const Placement placements[] = {
        {"Panel1", &f.Panel1, f.Handle(), {0, 0, 493, 185}},
        {"LabeledEdit1", &f.LabeledEdit1, panel, {5, 20, 380, 20}},
        {"Button1", &f.Button1, panel, {400, 20, 20, 20}},
        {"LabeledEdit2", &f.LabeledEdit2, panel, {5, 80, 380, 20}},
        {"Button2", &f.Button2, panel, {400, 80, 20, 20}},
        {"LabeledEdit3", &f.LabeledEdit3, panel, {5, 120, 150, 20}},
        {"LabeledEdit4", &f.LabeledEdit4, panel, {160, 120, 80, 20}},
        {"LabeledEdit5", &f.LabeledEdit5, panel, {288, 120, 30, 20}},
        {"Button3", &f.Button3, panel, {8, 152, 80, 25}},
        {"Button4", &f.Button4, panel, {96, 152, 80, 25}},
        {"Button5", &f.Button5, panel, {185, 152, 80, 25}},
        {"RichEdit1", &f.RichEdit1, f.Handle(), {0, 208, 273, 194}},
        {"Memo1", &f.Memo1, f.Handle(), {280, 208, 211, 194}},
        {"StatusBar1", &f.StatusBar1, f.Handle(), {0, 403, 493, 21}},
    };
    for (const Placement& p : placements) {
        SCOPED_TRACE(p.name);
        const winkit::Rect b = p.control->Bounds();
        EXPECT_EQ(GetParent(p.control->Handle()), p.parent);
        EXPECT_EQ(b.left, p.bounds.left);
        EXPECT_EQ(b.top, p.bounds.top);
        EXPECT_EQ(b.width, p.bounds.width);
        EXPECT_EQ(b.height, p.bounds.height);
    }
    // Label1 sizes itself to its text from its design place.
    EXPECT_EQ(f.Label1.Left(), 0);
    EXPECT_EQ(f.Label1.Top(), 192);
    EXPECT_EQ(WindowText(f.Label1.Handle()), L"名前:");

    const std::pair<winkit::LabeledEdit*, const wchar_t*> labels[] = {
        {&f.LabeledEdit1, L"変換前ﾌｧｲﾙ名"},    {&f.LabeledEdit2, L"ﾌｫﾙﾀﾞ(変換後)"},
        {&f.LabeledEdit3, L"ﾌｧｲﾙ名（変換後)"}, {&f.LabeledEdit4, L"拡張子(変換後後)"},
        {&f.LabeledEdit5, L"変換軸名称"},
    };
    for (const auto& [edit, caption] : labels) {
        SCOPED_TRACE(winkit::Narrow(caption));
        EXPECT_EQ(WindowText(edit->EditLabel.Handle()), caption);
        EXPECT_EQ(WindowText(edit->Handle()), L"");
        const winkit::Rect label = edit->EditLabel.Bounds();
        EXPECT_EQ(label.left, edit->Left());
        EXPECT_EQ(label.top + label.height + 3, edit->Top());
    }
    EXPECT_EQ(WindowText(f.Button1.Handle()), L"...");
    EXPECT_EQ(WindowText(f.Button2.Handle()), L"...");
    EXPECT_EQ(WindowText(f.Button3.Handle()), L"開始");
    EXPECT_EQ(WindowText(f.Button4.Handle()), L"中止");
    EXPECT_EQ(WindowText(f.Button5.Handle()), L"終了");
    EXPECT_TRUE(f.Button3.Enabled());
    EXPECT_FALSE(f.Button4.Enabled());
    EXPECT_TRUE(f.Button5.Enabled());
    EXPECT_EQ(WindowText(f.Memo1.Handle()), L"----- ﾛｸﾞ -----\r\n");
    EXPECT_EQ(f.Memo1.LineCount(), 1);
    EXPECT_EQ(f.RichEdit1.Text(), "");
}

TEST_F(MainFormTest, FontsOfTheWindowAndOfTheTextPanes) {
    CreateWindows();
    for (winkit::Control* c : std::initializer_list<winkit::Control*>{
             &form->LabeledEdit1, &form->LabeledEdit1.EditLabel, &form->Button3, &form->Label1,
             &form->StatusBar1}) {
        EXPECT_EQ(FontFace(c->Handle()), L"ＭＳ Ｐゴシック");
    }
    LOGFONTW memo_font;
    EXPECT_EQ(FontFace(form->Memo1.Handle(), &memo_font), L"ＭＳ ゴシック");
    EXPECT_EQ(memo_font.lfHeight, -12);
    EXPECT_EQ(memo_font.lfCharSet, SHIFTJIS_CHARSET);
    // The rich edit keeps its font as its default character format.
    CHARFORMAT2W format{};
    format.cbSize = sizeof format;
    SendMessageW(form->RichEdit1.Handle(), EM_GETCHARFORMAT, SCF_DEFAULT,
                 reinterpret_cast<LPARAM>(&format));
    EXPECT_EQ(std::wstring(format.szFaceName), L"ＭＳ ゴシック");
    EXPECT_EQ(format.yHeight, 180); // twips: 9 points
    EXPECT_EQ(format.bCharSet, SHIFTJIS_CHARSET);
}

TEST_F(MainFormTest, TabMovesThroughTheFieldsInTheirOrder) {
    CreateWindows();
    form->Button4.SetEnabled(true); // a disabled button is passed over
    std::vector<HWND> order;
    HWND at = GetNextDlgTabItem(form->Handle(), nullptr, FALSE);
    while (at && std::find(order.begin(), order.end(), at) == order.end()) {
        order.push_back(at);
        at = GetNextDlgTabItem(form->Handle(), at, FALSE);
    }
    TMainForm& f = *form;
    const std::vector<HWND> expected = {
        f.LabeledEdit1.Handle(), f.LabeledEdit2.Handle(), f.LabeledEdit3.Handle(),
        f.Button1.Handle(),      f.LabeledEdit4.Handle(), f.Button2.Handle(),
        f.Button3.Handle(),      f.Button4.Handle(),      f.Button5.Handle(),
        f.LabeledEdit5.Handle(), f.RichEdit1.Handle(),    f.Memo1.Handle(),
    };
    EXPECT_EQ(order, expected);
}

TEST_F(MainFormTest, AxisFieldTakesOneLetterInUpperCase) {
    CreateWindows();
    HWND axis = form->LabeledEdit5.Handle();
    SetFocus(axis);
    SendMessageW(axis, WM_CHAR, 'x', 0);
    SendMessageW(axis, WM_CHAR, 'z', 0);
    EXPECT_EQ(WindowText(axis), L"X");
}

TEST_F(MainFormTest, WorkingTextHoldsMoreThan32767Characters) {
    CreateWindows();
    EXPECT_EQ(form->RichEdit1.MaxLength(), 30000000);
    std::string program;
    while (program.size() < 40000) {
        program += "G01 X12.345 Z-6.5 F0.2\r\n";
    }
    form->RichEdit1.SetText(program);
    EXPECT_EQ(form->RichEdit1.Text(), program);
}

TEST_F(MainFormTest, StatusBarHasTwoPanelsAndTheProgressBarOverTheFirst) {
    CreateWindows(false);
    EXPECT_EQ(MainFormAccess::ProgressBar(*form), nullptr); // made when shown
    form->Show();
    EXPECT_EQ(form->StatusBar1.PanelEdges(), (std::vector<int>{100, -1}));
    EXPECT_FALSE(SendMessageW(form->StatusBar1.Handle(), SB_ISSIMPLE, 0, 0));
    winkit::ProgressBar* bar = MainFormAccess::ProgressBar(*form);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(GetParent(bar->Handle()), form->StatusBar1.Handle());
    EXPECT_EQ(bar->Left(), 0);
    EXPECT_EQ(bar->Top(), 2);
    EXPECT_EQ(bar->Width(), 100);
    EXPECT_EQ(bar->Height(), 19);
    EXPECT_TRUE(GetWindowLongPtrW(bar->Handle(), GWL_STYLE) & PBS_SMOOTH);
    EXPECT_TRUE(GetWindowLongPtrW(form->Handle(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
}

TEST_F(MainFormTest, MenuTreeWithItsCaptions) {
    CreateWindows();
    HMENU bar = GetMenu(form->Handle());
    EXPECT_EQ(ui_test::MenuCaptions(bar),
              (std::vector<std::wstring>{L"ファイル", L"ｵﾌﾟｼｮﾝ", L"設定", L"ﾍﾙﾌﾟ"}));
    // A fresh start: no recent file, so one separator.
    EXPECT_EQ(ui_test::MenuCaptions(GetSubMenu(bar, 0)),
              (std::vector<std::wstring>{L"ﾃﾞｨｽｸﾄｯﾌﾟにｼｮｰﾄｶｯﾄ作成", L"SendTo(送る)に登録", L"-",
                                         L"終了"}));
    EXPECT_EQ(ui_test::MenuEntries(GetSubMenu(bar, 1)),
              (std::vector<MenuEntry>{{L"ｺﾝﾊﾟｲﾙ後ﾌｧｲﾙをｿｰｽﾌｧｲﾙﾌｫﾙﾀﾞ", false}}));
    EXPECT_EQ(ui_test::MenuCaptions(GetSubMenu(bar, 2)),
              (std::vector<std::wstring>{L"ﾕｰｻﾞ定義(拡張子)"}));
    EXPECT_EQ(ui_test::MenuCaptions(GetSubMenu(bar, 3)),
              (std::vector<std::wstring>{L"ﾎｰﾑﾍﾟｰｼﾞ", L"ﾒｰﾙ", L"-", L"ﾊﾞｰｼﾞｮﾝ"}));
}

TEST_F(MainFormTest, TheFourWindowsOfStartUpExistAndOnlyTheMainOneShows) {
    CreateWindows(false);
    EXPECT_EQ(winkit::App().MainForm(), MainForm);
    for (winkit::Form* other : std::initializer_list<winkit::Form*>{ViewForm, PrintForm, User}) {
        ASSERT_NE(other, nullptr);
        EXPECT_TRUE(IsWindow(other->Handle()));
        EXPECT_FALSE(other->Visible());
    }
    EXPECT_EQ(WindowText(ViewForm->Handle()), L"ViewForm");
    EXPECT_EQ(WindowText(User->Handle()), L"ﾕｰｻﾞ定義");
    PostMessageW(MainForm->Handle(), WM_CLOSE, 0, 0);
    winkit::App().Run(); // shows the main window; the close ends the loop
    EXPECT_TRUE(winkit::App().Terminated());
    EXPECT_EQ(WindowText(MainForm->Handle()), L"ラボクセル Ver1.11");
}
