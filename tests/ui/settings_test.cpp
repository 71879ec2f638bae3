// The settings file beside the executable: read at creation, written at every close, the
// recent-file menu it feeds, and a close that cannot write it.
#include <windows.h>

#include "box_answerer.h"
#include "main_form_fixture.h"
#include "window_probe.h"
#include "winkit/application.h"
#include "winkit/files.h"
#include "winkit/text.h"

using ui_test::BoxAnswerer;
using ui_test::WindowText;
using winkit::Narrow;

namespace {

std::vector<std::wstring> FileMenu(HWND window) {
    return ui_test::MenuCaptions(GetSubMenu(GetMenu(window), 0));
}

const std::wstring kDesktop = L"ﾃﾞｨｽｸﾄｯﾌﾟにｼｮｰﾄｶｯﾄ作成";
const std::wstring kSendTo = L"SendTo(送る)に登録";
const std::wstring kExit = L"終了";

BOOL ScreenSaverActive() {
    BOOL active = FALSE;
    SystemParametersInfoW(SPI_GETSCREENSAVEACTIVE, 0, &active, 0);
    return active;
}

} // namespace

TEST_F(MainFormTest, FirstStartUsesTheDefaultsAndTheCloseWritesAll21KeysInOrder) {
    CreateWindows();
    EXPECT_EQ(MainFormAccess::DirPath(*form), "C:\\");
    EXPECT_EQ(MainFormAccess::ChgPath(*form), "C:\\");
    EXPECT_EQ(MainFormAccess::Mask(*form), "NC1");
    EXPECT_EQ(MainFormAccess::ChgPathFlg(*form), "N");
    EXPECT_EQ(MainFormAccess::MaskNo(*form), 1);
    EXPECT_EQ(MainFormAccess::User1Name(*form), Narrow(L"ﾕｰｻﾞ1"));
    EXPECT_FALSE(winkit::FileExists(SettingsPath()));
    CloseMainWindow();
    EXPECT_TRUE(winkit::App().Terminated());
    EXPECT_EQ(ReadSettings(), Narrow(L"[Main]\r\nTop=10\r\nLeft=10\r\nDirPath=C:\\\r\n"
                                     L"ChgPath=C:\\\r\nMask=NC1\r\n"
                                     L"[View]\r\nLeft=10\r\nTop=10\r\nWidth=500\r\nHeight=500\r\n"
                                     L"FontSize=10\r\n"
                                     L"[Options]\r\nChgPath_Flg=N\r\n"
                                     L"[Setting]\r\nMask_No=1\r\nUser1_Name=ﾕｰｻﾞ1\r\n"
                                     L"User1_Mask=*.*\r\nUser2_Name=ﾕｰｻﾞ2\r\nUser2_Mask=*.*\r\n"
                                     L"[Recent File List]\r\nFile1=\r\nFile2=\r\nFile3=\r\n"
                                     L"File4=\r\nFile5=\r\n"));
    EXPECT_EQ(folder.Files(), (std::vector<std::string>{"Ravoxel.INI"})); // no temporary left
}

TEST_F(MainFormTest, OddValuesAreTakenAsTheProfileRulesSayAndWrittenBackInPlace) {
    WriteSettings(Narrow(L"; kept as it is\r\n"
                         L"[main]\r\nleft=abc\r\n TOP = 20 \r\ndirpath=D:\\NC\\表\r\n"
                         L"[Options]\r\nChgPath_Flg=y\r\n"
                         L"[View]\r\nFontSize=0x0C\r\nWidth=640\r\n"
                         L"[Recent File List]\r\nFile1=\r\nFile2=D:\\NC\\A01.NC\r\n"));
    CreateWindows();
    EXPECT_EQ(form->Left(), 10); // "abc" is no integer: the default
    EXPECT_EQ(form->Top(), 20);
    EXPECT_EQ(MainFormAccess::DirPath(*form), Narrow(L"D:\\NC\\表"));
    EXPECT_EQ(MainFormAccess::ChgPathFlg(*form), "y");
    EXPECT_FALSE(form->op1.Checked()); // only exactly "Y" turns the option on
    EXPECT_EQ(MainFormAccess::ViewFontSize(*form), 12);
    EXPECT_EQ(MainFormAccess::ViewWidth(*form), 640);
    EXPECT_EQ(MainFormAccess::RecentFiles(*form)[0], "");
    EXPECT_EQ(MainFormAccess::RecentFiles(*form)[1], "D:\\NC\\A01.NC");
    // File1 is empty, so its item and the separator under the list stay hidden.
    EXPECT_EQ(FileMenu(form->Handle()),
              (std::vector<std::wstring>{kDesktop, kSendTo, L"-", L"&2 D:\\NC\\A01.NC", kExit}));

    form->SetPosition(30, 40);
    CloseMainWindow();
    const std::string written = ReadSettings();
    EXPECT_EQ(written,
              Narrow(L"; kept as it is\r\n"
                     L"[main]\r\nleft=30\r\nTOP=40\r\ndirpath=D:\\NC\\表\r\n"
                     L"ChgPath=C:\\\r\nMask=NC1\r\n"
                     L"[Options]\r\nChgPath_Flg=y\r\n"
                     L"[View]\r\nFontSize=12\r\nWidth=640\r\nLeft=10\r\nTop=10\r\nHeight=500\r\n"
                     L"[Recent File List]\r\nFile1=\r\nFile2=D:\\NC\\A01.NC\r\nFile3=\r\n"
                     L"File4=\r\nFile5=\r\n"
                     L"[Setting]\r\nMask_No=1\r\nUser1_Name=ﾕｰｻﾞ1\r\nUser1_Mask=*.*\r\n"
                     L"User2_Name=ﾕｰｻﾞ2\r\nUser2_Mask=*.*\r\n"));
}

TEST_F(MainFormTest, RecentMenuShowsTwoEntriesBetweenSeparators) {
    WriteSettings("[Recent File List]\r\nFile1=D:\\NC\\A01.NC\r\nFile2=C:\\B&W\\B.NC\r\n");
    CreateWindows();
    EXPECT_EQ(FileMenu(form->Handle()),
              (std::vector<std::wstring>{kDesktop, kSendTo, L"-", L"&1 D:\\NC\\A01.NC",
                                         L"&2 C:\\B&W\\B.NC", L"-", kExit}));
    // A third path goes to the head and every item follows.
    MainFormAccess::AddRecentFile(*form, Narrow(L"E:\\ソ\\C.NC"));
    EXPECT_EQ(FileMenu(form->Handle()),
              (std::vector<std::wstring>{kDesktop, kSendTo, L"-", L"&1 E:\\ソ\\C.NC",
                                         L"&2 D:\\NC\\A01.NC", L"&3 C:\\B&W\\B.NC", L"-", kExit}));
    CloseMainWindow();
    EXPECT_NE(ReadSettings().find(Narrow(L"File1=E:\\ソ\\C.NC\r\nFile2=D:\\NC\\A01.NC\r\n"
                                         L"File3=C:\\B&W\\B.NC\r\nFile4=\r\n")),
              std::string::npos);
}

TEST_F(MainFormTest, AddingToAnEmptyFirstEntryShowsItsItemAndTheSeparator) {
    WriteSettings("[Recent File List]\r\nFile2=D:\\NC\\B.NC\r\n");
    CreateWindows();
    MainFormAccess::AddRecentFile(*form, "D:\\NC\\A01.NC");
    EXPECT_EQ(FileMenu(form->Handle()),
              (std::vector<std::wstring>{kDesktop, kSendTo, L"-", L"&1 D:\\NC\\A01.NC",
                                         L"&2 D:\\NC\\B.NC", L"-", kExit}));
}

TEST_F(MainFormTest, OptionCheckMarkFollowsAnExactY) {
    WriteSettings("[Options]\r\nChgPath_Flg=Y\r\n");
    CreateWindows();
    EXPECT_TRUE(form->op1.Checked());
}

TEST_F(MainFormTest, StoredPositionOffEveryMonitorOpensAtTheDefault) {
    struct Case {
        int left, top, expected_left, expected_top;
    };
    const Case cases[] = {
        {5000, 5000, 10, 10}, // a monitor since unplugged
        {-3000, 100, 10, 10}, // entirely to the left
        {-200, 50, -200, 50}, // partly visible: kept as stored
        {600, 500, 600, 500},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.left);
        WriteSettings("[Main]\r\nLeft=" + std::to_string(c.left) +
                      "\r\nTop=" + std::to_string(c.top) + "\r\n");
        CreateWindows(false);
        EXPECT_EQ(form->Left(), c.expected_left);
        EXPECT_EQ(form->Top(), c.expected_top);
        winkit::App().DestroyForms();
    }
}

TEST_F(MainFormTest, ExitButtonAndExitItemCloseLikeTheCloseBox) {
    CreateWindows();
    SendMessageW(form->Button5.Handle(), BM_CLICK, 0, 0);
    winkit::App().ProcessMessages();
    EXPECT_TRUE(winkit::App().Terminated());
    EXPECT_TRUE(winkit::FileExists(SettingsPath()));
    winkit::App().DestroyForms();

    DeleteFileW(winkit::Widen(SettingsPath()).c_str());
    CreateWindows();
    SendMessageW(form->Handle(), WM_COMMAND, MAKEWPARAM(form->FileExit1.Command(), 0), 0);
    winkit::App().ProcessMessages();
    EXPECT_TRUE(winkit::App().Terminated());
    EXPECT_TRUE(winkit::FileExists(SettingsPath()));
}

TEST_F(MainFormTest, EveryCloseSwitchesTheScreenSaverOn) {
    SystemParametersInfoW(SPI_SETSCREENSAVEACTIVE, FALSE, nullptr, 0);
    ASSERT_FALSE(ScreenSaverActive());
    CreateWindows();
    CloseMainWindow();
    EXPECT_TRUE(ScreenSaverActive());
}

TEST_F(MainFormTest, ReadOnlySettingsFileShowsTheErrorThenAsksToEndWithoutSaving) {
    const std::string before = "[Main]\r\nLeft=100\r\nTop=120\r\n";
    WriteSettings(before);
    SetFileAttributesW(winkit::Widen(SettingsPath()).c_str(), FILE_ATTRIBUTE_READONLY);
    SystemParametersInfoW(SPI_SETSCREENSAVEACTIVE, FALSE, nullptr, 0);
    CreateWindows();
    {
        // No: the window stays open, as it was.
        BoxAnswerer answerer({IDOK, IDNO});
        CloseMainWindow();
        ASSERT_EQ(answerer.Seen().size(), 2u);
        const ui_test::SeenBox& error = answerer.Seen()[0];
        EXPECT_EQ(error.caption, L"Ravoxel");
        EXPECT_EQ(error.text, winkit::Widen(SettingsPath()) + L" に書き込めません.");
        EXPECT_TRUE(error.has_ok);
        const ui_test::SeenBox& question = answerer.Seen()[1];
        EXPECT_EQ(question.caption, L"警告");
        EXPECT_EQ(question.text, L"設定を保存できませんでした。\n設定を保存せずに終了しますか？");
        EXPECT_TRUE(question.has_yes && question.has_no);
        EXPECT_EQ(question.default_id, IDYES);
        EXPECT_EQ(question.rect.left, 150); // the window's left + 50
        EXPECT_EQ(question.rect.top, 170);
        EXPECT_FALSE(winkit::App().Terminated());
        EXPECT_TRUE(form->Visible());
        EXPECT_EQ(MainFormAccess::DialogResult(*form), IDNO);
        EXPECT_FALSE(ScreenSaverActive()); // the close did not happen
    }
    {
        // Yes: the tool ends, the file as it was.
        BoxAnswerer answerer({IDOK, IDYES});
        CloseMainWindow();
        EXPECT_EQ(answerer.Seen().size(), 2u);
        EXPECT_TRUE(winkit::App().Terminated());
        EXPECT_TRUE(ScreenSaverActive());
    }
    EXPECT_EQ(ReadSettings(), before);
}
