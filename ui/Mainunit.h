#pragma once
// TMainForm: the tool's main window and the owner of nearly all of its state: the fields that
// name a conversion, Start/Abort/Exit, the working text and the log, the status bar with the
// progress bar, and the menus.
//
// The unit is split by concern:
//   Mainunit.cpp           creation, show, close (settings written, screen saver), destruction
//   Mainunit_layout.cpp    the window, its controls and the menu tree, as tables
//   Mainunit_settings.cpp  the settings file beside the executable
//   Mainunit_recent.cpp    the recent-file list and its menu items
//   Mainunit_run.cpp       the conversion run (Start, Abort)
//   Mainunit_load.cpp      loading the source into the working text
//   Mainunit_later.cpp     handlers still waiting for their behaviour
#include <windows.h>

#include <shellapi.h>

#include <string>

#include "core/recent_files.h"
#include "ui/run_times.h"
#include "ui/working_text_view.h"
#include "winkit/controls.h"
#include "winkit/font.h"
#include "winkit/form.h"
#include "winkit/menu.h"
#include "winkit/status_bar.h"
#include "winkit/text_controls.h"

class TMainForm : public winkit::Form {
public:
    TMainForm();
    ~TMainForm() override;

    // Fonts first: the controls below are made, and destroyed, while these exist.
    winkit::Font PFont; // "ＭＳ Ｐゴシック" 9 pt: the window and every control of its own
    winkit::Font FixedFont; // "ＭＳ ゴシック" 9 pt: the working text and the log

    winkit::Panel Panel1;
    winkit::LabeledEdit LabeledEdit1; // source file
    winkit::Button Button1;
    winkit::LabeledEdit LabeledEdit2; // output folder
    winkit::Button Button2;
    winkit::LabeledEdit LabeledEdit3; // output file name
    winkit::LabeledEdit LabeledEdit4; // output extension
    winkit::LabeledEdit LabeledEdit5; // axis letter
    winkit::Button Button3;           // Start
    winkit::Button Button4;           // Abort
    winkit::Button Button5;           // Exit
    winkit::Label Label1;
    winkit::RichEdit RichEdit1; // the working text
    winkit::Memo Memo1;         // the log
    winkit::StatusBar StatusBar1;

    winkit::MainMenu MainMenu1;
    winkit::MenuItem file_menu, DeskTop_set, SendTo_set, FileNone4;
    winkit::MenuItem MenuFile0, MenuFile1, MenuFile2, MenuFile3, MenuFile4, FileNone3, FileExit1;
    winkit::MenuItem OpMenu, op1;
    winkit::MenuItem setting, User_op;
    winkit::MenuItem Menu_help, Menu_hp, Menu_add, Helpnon, Menu_ver;

    void FormCreate(winkit::Component* Sender);
    void FormCloseQuery(winkit::Component* Sender, bool& CanClose);
    void Button1Click(winkit::Component* Sender);
    void Button2Click(winkit::Component* Sender);
    void Button3Click(winkit::Component* Sender);
    void Button4Click(winkit::Component* Sender);
    void Button5Click(winkit::Component* Sender);
    void FormShow(winkit::Component* Sender);
    void FormDestroy(winkit::Component* Sender);
    void LabeledEdit4KeyPress(winkit::Component* Sender, char& Key);
    void LabeledEdit3KeyPress(winkit::Component* Sender, char& Key);
    void LabeledEdit2KeyPress(winkit::Component* Sender, char& Key);
    void LabeledEdit5KeyPress(winkit::Component* Sender, char& Key);
    void Menu_hpClick(winkit::Component* Sender);
    void Menu_addClick(winkit::Component* Sender);
    void Menu_verClick(winkit::Component* Sender);
    void op1Click(winkit::Component* Sender);
    void User_opClick(winkit::Component* Sender);
    void DeskTop_setClick(winkit::Component* Sender);
    void SendTo_setClick(winkit::Component* Sender);
    void MenuFile0Click(winkit::Component* Sender);
    void MenuFile1Click(winkit::Component* Sender);
    void MenuFile2Click(winkit::Component* Sender);
    void MenuFile3Click(winkit::Component* Sender);
    void MenuFile4Click(winkit::Component* Sender);
    void FileExit1Click(winkit::Component* Sender);

    // Where the time of the last run went (the GUI benchmark reads it).
    const RunTimes& LastRunTimesTaken() const { return LastRunTimes; }

protected:
    winkit::FormParams Params() const override;
    void CreateControls() override;
    // WM_DROPFILES goes to WMDropFiles; every other message on to the form's own dispatch.
    bool HandleMessage(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) override;

private:
    friend struct MainFormAccess; // the UI tests look at the fields
    friend struct RunAccess;      // and at those of the run
    friend class TViewForm;       // the viewer's geometry, font size and the output path

    ravoxel::RecentFileList RecentFiles;        // entry 0 the most recent; empty: free
    winkit::ProgressBar* ProgressBar = nullptr; // made by FormShow, over panel 0 of StatusBar1
    std::string DirPath;
    std::string ChgPath;
    std::string Mask;
    std::string OutputPath;
    std::string MessageText;
    std::string VersionText;
    std::string ChgPathFlg;
    char StopRequest = '\0';
    int DialogResult = 0;
    int ViewLeft = 0;
    int ViewTop = 0;
    int ViewWidth = 0;
    int ViewHeight = 0;
    int ViewFontSize = 0;
    int MaskNo = 0;
    std::string User1Name;
    std::string User1Mask;
    std::string User2Name;
    std::string User2Mask;
    std::string FilterText;

    // The working text of a run: the model the run converts, shown by RichEdit1.
    WorkingTextView Working{RichEdit1};
    RunTimes LastRunTimes;

    void AddRecentFile(const std::string& Path);
    void RefreshRecentMenu();
    void OpenRecentFile(const std::string& Path);
    void FillOutputFields(const std::string& SourcePath, bool UseOption);
    void WMDropFiles(HDROP Drop);
    void TakeSourceFromCommandLine();
    void BuildFilterText();
    bool IsAllowedChar(char Key, const std::string& Forbidden) const;
    // False when the source was refused (too large) and nothing was loaded.
    bool LoadSourceText(const std::string& Path);
    bool CheckStopRequest(char Flag);
    // The progress bar and text for the lines done; with the view, also the visible lines.
    void ShowRunProgress(bool WithView);
    void ConversionFailed(const ravoxel::ConversionFailure& Failure);
    void EndRun(); // back to idle: Start and Exit enabled, Abort disabled
    void CreateShortcut(int Place);

    // The settings file: read at creation, written at every close request.
    std::string SettingsPath() const;
    void ReadSettingsFile();
    void WriteSettingsFile();
    static void SwitchScreenSaverOn();
};

extern TMainForm* MainForm;
