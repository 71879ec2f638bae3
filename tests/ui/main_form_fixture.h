#pragma once
// The tool's four windows made in-process as start-up makes them, with the executable's path
// pointed into a scratch folder so that the settings file lives there.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "test_folder.h"
#include "ui/Mainunit.h"

// The main window's fields and private operations, for the tests.
struct MainFormAccess {
    static ravoxel::RecentFileList& RecentFiles(TMainForm& f) { return f.RecentFiles; }
    static void AddRecentFile(TMainForm& f, const std::string& path) { f.AddRecentFile(path); }
    static const std::string& DirPath(TMainForm& f) { return f.DirPath; }
    static const std::string& ChgPath(TMainForm& f) { return f.ChgPath; }
    static const std::string& Mask(TMainForm& f) { return f.Mask; }
    static const std::string& ChgPathFlg(TMainForm& f) { return f.ChgPathFlg; }
    static const std::string& VersionText(TMainForm& f) { return f.VersionText; }
    static int MaskNo(TMainForm& f) { return f.MaskNo; }
    static int ViewWidth(TMainForm& f) { return f.ViewWidth; }
    static int ViewFontSize(TMainForm& f) { return f.ViewFontSize; }
    static const std::string& User1Name(TMainForm& f) { return f.User1Name; }
    static winkit::ProgressBar* ProgressBar(TMainForm& f) { return f.ProgressBar; }
    static int DialogResult(TMainForm& f) { return f.DialogResult; }
};

class MainFormTest : public ::testing::Test {
protected:
    void TearDown() override;

    // Writes the settings file (code-page-932 bytes) before the windows are made.
    void WriteSettings(const std::string& bytes);
    std::string ReadSettings() const;
    std::string SettingsPath() const { return folder.Path() + "\\Ravoxel.INI"; }
    // Makes the four windows in start-up order; `show` shows the main window as Run does.
    void CreateWindows(bool show = true);
    // Sends WM_CLOSE to the main window and lets the message loop run.
    void CloseMainWindow();

    ui_test::TestFolder folder;
    TMainForm* form = nullptr;
};
