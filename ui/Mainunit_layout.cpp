// The main window's look: window properties, one row per control, and the menu tree.
#include <algorithm>
#include <vector>

#include "ui/Mainunit.h"
#include "ui/app_icon.h"

namespace {

constexpr int kClientWidth = 493;
constexpr int kClientHeight = 424;
constexpr int kStatusBarHeight = 21;
constexpr int kNoTab = -1;

struct ControlRow {
    winkit::Control& control;
    winkit::Control* parent; // nullptr: the window itself
    winkit::Rect bounds;     // left, top, width, height in the parent's client pixels
    const char* caption;     // the label of a labeled edit
    int tab;                 // tab order within the parent
};

struct MenuRow {
    winkit::MenuItem& item;
    winkit::MenuItem& parent;
    const char* caption; // "-": a separator
    bool visible;
};

} // namespace

winkit::FormParams TMainForm::Params() const {
    winkit::FormParams p{L"TMainForm", "ラボクセル", 10, 10, kClientWidth, kClientHeight};
    p.border = winkit::BorderStyle::Single;
    p.minimize_box = true;
    p.maximize_box = false;
    p.icon = AppIcon();
    return p;
}

void TMainForm::CreateControls() {
    SetFont(PFont);
    const ControlRow rows[] = {
        {Panel1, nullptr, {0, 0, kClientWidth, 185}, "", 0},
        {LabeledEdit1, &Panel1, {5, 20, 380, 20}, "変換前ﾌｧｲﾙ名", 0},
        {Button1, &Panel1, {400, 20, 20, 20}, "...", 3},
        {LabeledEdit2, &Panel1, {5, 80, 380, 20}, "ﾌｫﾙﾀﾞ(変換後)", 1},
        {Button2, &Panel1, {400, 80, 20, 20}, "...", 5},
        {LabeledEdit3, &Panel1, {5, 120, 150, 20}, "ﾌｧｲﾙ名（変換後)", 2},
        {LabeledEdit4, &Panel1, {160, 120, 80, 20}, "拡張子(変換後後)", 4},
        {LabeledEdit5, &Panel1, {288, 120, 30, 20}, "変換軸名称", 9},
        {Button3, &Panel1, {8, 152, 80, 25}, "開始", 6},
        {Button4, &Panel1, {96, 152, 80, 25}, "中止", 7},
        {Button5, &Panel1, {185, 152, 80, 25}, "終了", 8},
        {Label1, nullptr, {0, 192, 26, 12}, "名前:", kNoTab},
        {RichEdit1, nullptr, {0, 208, 273, 194}, "", 1},
        {Memo1, nullptr, {280, 208, 211, 194}, "", 2},
        {StatusBar1,
         nullptr,
         {0, kClientHeight - kStatusBarHeight, kClientWidth, kStatusBarHeight},
         "",
         kNoTab},
    };
    for (const ControlRow& row : rows) {
        row.control.Create(row.parent ? row.parent->Handle() : Handle(), row.bounds, row.caption);
    }
    // The tab order is the order of the windows among their siblings.
    std::vector<const ControlRow*> tabbed;
    for (const ControlRow& row : rows) {
        if (row.tab != kNoTab) {
            tabbed.push_back(&row);
        }
    }
    std::stable_sort(tabbed.begin(), tabbed.end(),
                     [](const ControlRow* a, const ControlRow* b) { return a->tab < b->tab; });
    for (const ControlRow* row : tabbed) {
        SetWindowPos(row->control.Handle(), HWND_BOTTOM, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }

    LabeledEdit5.SetUpperCase(true);
    LabeledEdit5.SetMaxLength(1);
    Button4.SetEnabled(false);
    RichEdit1.SetFont(FixedFont.Handle());
    Memo1.SetFont(FixedFont.Handle());
    Memo1.AddLine("----- ﾛｸﾞ -----");
    StatusBar1.SetPanels({{100, false}, {50, true}});

    const MenuRow menu[] = {
        {file_menu, MainMenu1, "ファイル", true},
        {DeskTop_set, file_menu, "ﾃﾞｨｽｸﾄｯﾌﾟにｼｮｰﾄｶｯﾄ作成", true},
        {SendTo_set, file_menu, "SendTo(送る)に登録", true},
        {FileNone4, file_menu, "-", true},
        {MenuFile0, file_menu, "", false},
        {MenuFile1, file_menu, "", false},
        {MenuFile2, file_menu, "", false},
        {MenuFile3, file_menu, "", false},
        {MenuFile4, file_menu, "", false},
        {FileNone3, file_menu, "-", false},
        {FileExit1, file_menu, "終了", true},
        {OpMenu, MainMenu1, "ｵﾌﾟｼｮﾝ", true},
        {op1, OpMenu, "ｺﾝﾊﾟｲﾙ後ﾌｧｲﾙをｿｰｽﾌｧｲﾙﾌｫﾙﾀﾞ", true},
        {setting, MainMenu1, "設定", true},
        {User_op, setting, "ﾕｰｻﾞ定義(拡張子)", true},
        {Menu_help, MainMenu1, "ﾍﾙﾌﾟ", true},
        {Menu_hp, Menu_help, "ﾎｰﾑﾍﾟｰｼﾞ", true},
        {Menu_add, Menu_help, "ﾒｰﾙ", true},
        {Helpnon, Menu_help, "-", true},
        {Menu_ver, Menu_help, "ﾊﾞｰｼﾞｮﾝ", true},
    };
    for (const MenuRow& row : menu) {
        row.item.SetCaption(row.caption);
        row.item.SetVisible(row.visible);
        row.parent.Add(row.item);
    }
    SetMenu(MainMenu1);
}
