// Loading the source at the start of a run: the one-piece reading, the question when it gives no
// text, the line-by-line reading, a file cut at a NUL byte, a missing file, a file too large.
#include <windows.h>

#include "box_answerer.h"
#include "run_fixture.h"
#include "ui/Viewunit.h"
#include "winkit/files.h"
#include "winkit/text.h"

using ui_test::BoxAnswerer;
using winkit::Narrow;
using winkit::Widen;

namespace {

const std::wstring kQuestion = L"ファイル形式が違います。\nそのまま読み込みは可能ですが、データの一"
                               L"部読み込めない可能性が有ります。"
                               L"\n読み込み開始は「はい(Y)」";

} // namespace

TEST_F(RunTest, SourcesLoadAsTheirBytesSayWithTheQuestionWhenThereIsNoText) {
    struct Case {
        const char* name;
        std::string bytes; // a name starting with "-" names a file that does not exist
        std::vector<int> answers;
        std::vector<std::wstring> boxes; // texts of the boxes seen, in order (%s: the path)
        std::string converted;
    };
    const Case cases[] = {
        {"crlf.nc", "G01X10\r\nX5.\r\n", {}, {}, "G01X20\r\nX10.0\r\n"},
        {"lf.nc", "G01X10\nX5.\n", {}, {}, "G01X20\r\nX10.0\r\n"},
        {"empty-yes.nc", "", {IDYES}, {kQuestion}, ""},
        {"empty-no.nc", "", {IDNO}, {kQuestion}, ""},
        // The first line, cut at its NUL, is dropped; so is the empty line.
        {"nul-first.nc",
         std::string("\0abc\r\nX1\r\nX2\r\n\r\n", 17),
         {IDYES},
         {kQuestion},
         "X2\r\nX4\r\n"},
        {"nul-first-no.nc", std::string("\0X1\r\n", 5), {IDNO}, {kQuestion}, ""},
        {"-missing-no.nc", "", {IDNO}, {kQuestion}, ""},
        {"-missing-yes.nc", "", {IDYES, IDOK}, {kQuestion, L"ファイル %s を開けません。"}, ""},
        // Cut at the NUL after the first byte: a warning names where.
        {"nul-later.nc",
         std::string("X1\r\nX2\0X3\r\n", 11),
         {IDOK},
         {L"ファイル %s は先頭から 6 バイトの所に NUL "
          L"文字が有ります。\nそれより後のデータは読み込みません。"},
         "X2\r\nX4\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path =
            c.name[0] == '-' ? folder.Path() + "\\" + c.name : WriteSource(c.name, c.bytes);
        FillFor(path);
        BoxAnswerer boxes(c.answers);
        std::string converted = "unset";
        EXPECT_TRUE(Start([&] { converted = ViewForm->RichEdit1.Text(); }));
        EXPECT_EQ(converted, c.converted);
        ASSERT_EQ(boxes.Seen().size(), c.boxes.size());
        for (std::size_t i = 0; i < c.boxes.size(); ++i) {
            std::wstring text = c.boxes[i];
            if (const std::size_t at = text.find(L"%s"); at != std::wstring::npos) {
                text.replace(at, 2, Widen(path));
            }
            EXPECT_EQ(boxes.Seen()[i].text, text);
            if (boxes.Seen()[i].caption == L"警告") { // a warning: placed as the questions are
                EXPECT_EQ(boxes.Seen()[i].rect.left, form->Left() + 50) << i;
            }
        }
        if (!c.answers.empty() && c.boxes[0] == kQuestion) {
            const ui_test::SeenBox& question = boxes.Seen()[0];
            EXPECT_EQ(question.caption, L"警告");
            EXPECT_TRUE(question.has_yes && question.has_no);
            EXPECT_EQ(question.default_id, IDYES);
            EXPECT_EQ(question.rect.top, form->Top() + 50);
            EXPECT_EQ(RunAccess::DialogResult(*form), c.answers.size() > 1 ? IDOK : c.answers[0]);
        }
    }
}

TEST_F(RunTest, SourceOverTheWorkingTextLimitIsRefusedBeforeLoading) {
    const std::string path = folder.Path() + "\\BIG.NC";
    {
        // 30,000,001 bytes, made without writing them.
        HANDLE file = CreateFileW(Widen(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        LARGE_INTEGER size{};
        size.QuadPart = 30000001;
        SetFilePointerEx(file, size, nullptr, FILE_BEGIN);
        SetEndOfFile(file);
        CloseHandle(file);
    }
    FillFor(path);
    BoxAnswerer boxes;
    EXPECT_FALSE(Start());
    ASSERT_EQ(boxes.Seen().size(), 1u);
    EXPECT_EQ(boxes.Seen()[0].caption, L"確認");
    EXPECT_EQ(boxes.Seen()[0].text,
              L"ファイル " + Widen(path) +
                  L" は大きすぎるため読み込めません。\n大きさ: 30,000,001 バイト (読み込めるのは "
                  L"30,000,000 バイトまでです)");
    EXPECT_EQ(form->RichEdit1.Text(), "");
    EXPECT_EQ(form->Memo1.Text(), "");
    ExpectIdle();
}
