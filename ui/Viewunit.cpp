#include "ui/Viewunit.h"

#include "core/source_loader.h"
#include "ui/Mainunit.h"
#include "ui/app_icon.h"
#include "winkit/error.h"
#include "winkit/files.h"
#include "winkit/screen.h"

TViewForm* ViewForm = nullptr;

namespace {

constexpr int kLabelHeight = 12;
constexpr int kPageControlHeight = 421;
constexpr int kDesignFontSize = 9; // "ＭＳ ゴシック" -12 pixels

struct ButtonRow {
    winkit::Button TViewForm::*button;
    int left;
    const char* caption;
};

} // namespace

TViewForm::TViewForm() : PFont("ＭＳ Ｐゴシック", -12, winkit::Pitch::Variable) {
    using winkit::Bind;
    OnShow = Bind(this, &TViewForm::FormShow);
    OnClose = Bind(this, &TViewForm::FormClose);
    Button1.OnClick = Bind(this, &TViewForm::Button1Click);
    Button2.OnClick = Bind(this, &TViewForm::Button2Click);
    Button3.OnClick = Bind(this, &TViewForm::Button3Click);
    Button4.OnClick = Bind(this, &TViewForm::Button4Click);
}

winkit::FormParams TViewForm::Params() const {
    winkit::FormParams p{L"TViewForm", "ViewForm", 258, 151, 492, 473};
    p.border = winkit::BorderStyle::Single;
    p.minimize_box = true;
    p.maximize_box = false;
    p.icon = AppIcon();
    return p;
}

void TViewForm::CreateControls() {
    SetFont(PFont);
    // Made in tab order: Save, Print, Printer setup, Back, then the pages.
    static const ButtonRow kButtons[] = {
        {&TViewForm::Button1, 10, "保存"},
        {&TViewForm::Button2, 100, "印刷"},
        {&TViewForm::Button3, 190, "ﾌﾟﾘﾝﾀ設定"},
        {&TViewForm::Button4, 300, "戻る"},
    };
    for (const ButtonRow& row : kButtons) {
        (this->*row.button).Create(Handle(), {row.left, 440, 80, 25}, row.caption);
    }
    Label1.Create(Handle(), {0, 0, 492, kLabelHeight}, "Label1");
    Label1.SetAutoSize(false);
    PageControl1.Create(Handle(), {0, kLabelHeight, 492, kPageControlHeight}, "");
    PageControl1.AddPage(TabSheet1, "変換データ");
    PageControl1.AddPage(TabSheet2, "ログデータ");
    const winkit::Rect page = PageControl1.DisplayRect();
    TextFont = std::make_unique<winkit::Font>("ＭＳ ゴシック", -12, winkit::Pitch::Fixed);
    TextFontSize = kDesignFontSize;
    for (auto [sheet, rich] : {std::pair{&TabSheet1, &RichEdit1}, {&TabSheet2, &RichEdit2}}) {
        rich->Create(sheet->Handle(), {0, 0, page.width, page.height}, "");
        rich->SetFont(TextFont->Handle());
        rich->SetMaxLength(static_cast<int>(ravoxel::kWorkingTextLimit));
    }
    PageControl1.SetActivePage(TabSheet1);
}

void TViewForm::SetConvertedText(std::string Bytes) {
    // The font first: a new font on a long text would lay the whole text out again.
    ApplyFontSize();
    ConvertedBytes = std::move(Bytes);
    RichEdit1.SetText(ConvertedBytes);
}

void TViewForm::FormShow(winkit::Component* /*Sender*/) {
    winkit::Rect bounds{MainForm->ViewLeft, MainForm->ViewTop, MainForm->ViewWidth,
                        MainForm->ViewHeight};
    // A position no monitor shows (one since unplugged) would hide a modal window, and the tool
    // would seem to hang: the viewer then opens over the main window.
    if (!winkit::IsOnAnyMonitor(bounds)) {
        bounds.left = MainForm->Left();
        bounds.top = MainForm->Top();
    }
    SetBounds(bounds);
    AlignControls();
    ApplyFontSize();
    PageControl1.SetActivePage(TabSheet1);
}

void TViewForm::FormClose(winkit::Component* /*Sender*/, winkit::CloseAction& /*Action*/) {
    const winkit::Rect bounds = Bounds();
    MainForm->ViewLeft = bounds.left;
    MainForm->ViewTop = bounds.top;
    MainForm->ViewWidth = bounds.width;
    MainForm->ViewHeight = bounds.height;
}

void TViewForm::Button1Click(winkit::Component* /*Sender*/) {
    try {
        // A temporary file beside the output takes its place only when written whole, so a
        // failed save leaves an earlier file as it was.
        winkit::ReplaceFileContents(MainForm->OutputPath, TextToSave());
    } catch (const winkit::FileError& error) {
        throw winkit::Error("ファイル " + error.Path() + " を作成できません");
    }
    Button1.SetEnabled(false);
}

void TViewForm::Button2Click(winkit::Component* /*Sender*/) {}

void TViewForm::Button3Click(winkit::Component* /*Sender*/) {}

void TViewForm::Button4Click(winkit::Component* /*Sender*/) {
    MainForm->Memo1.Clear();
    Close();
}

void TViewForm::ApplyFontSize() {
    const int size = MainForm->ViewFontSize;
    if (size == TextFontSize) {
        return;
    }
    auto font = std::make_unique<winkit::Font>("ＭＳ ゴシック", winkit::Font::HeightForPoints(size),
                                               winkit::Pitch::Fixed);
    RichEdit1.SetFont(font->Handle());
    RichEdit2.SetFont(font->Handle());
    TextFont = std::move(font);
    TextFontSize = size;
}

void TViewForm::AlignControls() {
    const int width = ClientWidth();
    Label1.SetBounds({0, 0, width, kLabelHeight});
    PageControl1.SetBounds({0, kLabelHeight, width, kPageControlHeight});
    const winkit::Rect page = PageControl1.DisplayRect();
    RichEdit1.SetBounds({0, 0, page.width, page.height});
    RichEdit2.SetBounds({0, 0, page.width, page.height});
}

std::string TViewForm::TextToSave() const {
    if (!RichEdit1.Modified()) {
        return ConvertedBytes;
    }
    // Every line followed by CR LF, as the page holds it.
    std::string text = RichEdit1.Text();
    if (!text.empty() && (text.size() < 2 || text.compare(text.size() - 2, 2, "\r\n") != 0)) {
        text += "\r\n";
    }
    return text;
}
