// The rich edit as a view of a long text: emptied by a fresh window, lines replaced in place
// without moving the view, the visible lines; and the file size.
#include <gtest/gtest.h>

#include <windows.h>

#include <richedit.h>

#include <string>

#include "test_folder.h"
#include "winkit/application.h"
#include "winkit/controls.h"
#include "winkit/files.h"
#include "winkit/font.h"
#include "winkit/form.h"
#include "winkit/text.h"
#include "winkit/text_controls.h"

using winkit::Narrow;

namespace {

class RichForm : public winkit::Form {
public:
    RichForm()
        : font_(Narrow(L"ＭＳ Ｐゴシック"), -12, winkit::Pitch::Variable),
          fixed_(Narrow(L"ＭＳ ゴシック"), -12, winkit::Pitch::Fixed) {}

    winkit::Button Before;
    winkit::RichEdit Rich;
    winkit::Button After;
    winkit::Font& Fixed() { return fixed_; }

protected:
    winkit::FormParams Params() const override {
        return {L"WinkitRichForm", "rich", 30, 40, 300, 260};
    }
    void CreateControls() override {
        SetFont(font_);
        Before.Create(Handle(), {0, 0, 80, 25}, "before");
        Rich.Create(Handle(), {0, 30, 273, 194}, "");
        After.Create(Handle(), {100, 0, 80, 25}, "after");
    }

private:
    winkit::Font font_;
    winkit::Font fixed_;
};

class WinkitRichEditTest : public ::testing::Test {
protected:
    void SetUp() override {
        winkit::App().CreateForm(form);
        form->Show();
        winkit::App().ProcessMessages();
    }
    void TearDown() override { winkit::App().DestroyForms(); }

    static std::string Lines(int count, const char* prefix = "N") {
        std::string text;
        for (int i = 0; i < count; ++i) {
            text += prefix + std::to_string(i) + " G01 X" + std::to_string(i) + ".5\r\n";
        }
        return text;
    }

    // The rich edit keeps its font as the default character format (WM_GETFONT may say nothing).
    static std::wstring FaceName(const winkit::Control& control) {
        CHARFORMATW format{};
        format.cbSize = sizeof format;
        if (SendMessageW(control.Handle(), EM_GETCHARFORMAT, SCF_DEFAULT,
                         reinterpret_cast<LPARAM>(&format)) == 0 &&
            format.szFaceName[0] == 0) {
            LOGFONTW font{};
            GetObjectW(control.Font(), sizeof font, &font);
            return font.lfFaceName;
        }
        return format.szFaceName;
    }

    RichForm* form = nullptr;
};

} // namespace

TEST_F(WinkitRichEditTest, NewTextOverAnOldOneComesInAFreshWindowInTheOldOnesPlace) {
    winkit::RichEdit& rich = form->Rich;
    rich.SetFont(form->Fixed().Handle());
    rich.SetMaxLength(30000000);
    rich.SetReadOnly(true);
    rich.SetText(Lines(3000));
    rich.SetFocus();
    const HWND old = rich.Handle();
    const std::wstring face = FaceName(rich);
    ASSERT_NE(face, FaceName(form->Before)) << "the fixed font is not the form's";

    rich.SetText(Narrow(L"ソ表\r\nX10\r\n"));
    EXPECT_NE(rich.Handle(), old);
    EXPECT_FALSE(IsWindow(old));
    EXPECT_EQ(rich.Text(), Narrow(L"ソ表\r\nX10\r\n"));
    EXPECT_EQ(rich.LineCount(), 2);
    EXPECT_FALSE(rich.Modified());
    // Same place, font, limit, state and focus; the tab order is kept.
    EXPECT_EQ(rich.Bounds().left, 0);
    EXPECT_EQ(rich.Bounds().top, 30);
    EXPECT_EQ(rich.Bounds().width, 273);
    EXPECT_EQ(rich.Bounds().height, 194);
    EXPECT_EQ(FaceName(rich), face);
    EXPECT_EQ(rich.MaxLength(), 30000000);
    EXPECT_TRUE(rich.ReadOnly());
    EXPECT_TRUE(rich.Visible());
    EXPECT_TRUE(rich.Focused());
    EXPECT_EQ(GetNextDlgTabItem(form->Handle(), form->Before.Handle(), FALSE), rich.Handle());
    EXPECT_EQ(GetNextDlgTabItem(form->Handle(), rich.Handle(), FALSE), form->After.Handle());
    EXPECT_EQ(winkit::Control::FromHandle(rich.Handle()), &rich);

    rich.Clear();
    EXPECT_EQ(rich.Text(), "");
    EXPECT_EQ(rich.LineCount(), 0);
    EXPECT_TRUE(rich.ReadOnly());
}

TEST_F(WinkitRichEditTest, ReplacingALineKeepsTheViewTheSelectionAndTheOtherLines) {
    winkit::RichEdit& rich = form->Rich;
    rich.SetText(Lines(200));
    rich.SetReadOnly(true);                  // a program still writes into a read-only control
    rich.Select(rich.LineStart(120) + 2, 3); // out of view, below
    SendMessageW(rich.Handle(), EM_LINESCROLL, 0, 50 - rich.FirstVisibleLine());
    const int first = rich.FirstVisibleLine();
    ASSERT_EQ(first, 50);
    const int last = rich.LastVisibleLine();
    EXPECT_GT(last, first + 5); // 194 pixels hold a dozen lines of 12 pixels
    EXPECT_LT(last, first + 20);

    rich.ReplaceLines(60, 2, Narrow(L"N60 G01 X121.0 ソ表 and a much longer line than before\r\n"));
    EXPECT_EQ(rich.FirstVisibleLine(), first);
    EXPECT_EQ(rich.Line(59), "N59 G01 X59.5");
    EXPECT_EQ(rich.Line(60), Narrow(L"N60 G01 X121.0 ソ表 and a much longer line than before"));
    EXPECT_EQ(rich.Line(61), "");
    EXPECT_EQ(rich.LineLength(61), 0);
    EXPECT_EQ(rich.LineLength(62), 13); // "N62 G01 X62.5"
    EXPECT_EQ(rich.Line(62), "N62 G01 X62.5");
    EXPECT_EQ(rich.LineCount(), 200);
    EXPECT_EQ(rich.SelStart(), rich.LineStart(120) + 2);
    EXPECT_EQ(rich.SelLength(), 3);

    rich.ReplaceLines(199, 1, "last");
    EXPECT_EQ(rich.Line(199), "last");
    EXPECT_EQ(rich.LineCount(), 200);
}

TEST(WinkitFiles, FileSizeOfAFileAndOfNone) {
    ui_test::TestFolder folder;
    const std::string path = folder.Path() + Narrow(L"\\表.NC");
    winkit::ReplaceFileContents(path, std::string(12345, 'x'));
    EXPECT_EQ(winkit::FileSize(path), std::optional<unsigned long long>(12345));
    EXPECT_EQ(winkit::FileSize(folder.Path() + "\\missing.NC"), std::nullopt);
}
