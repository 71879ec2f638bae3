// The settings file beside the executable: read once at creation, written at every close
// request, always through a temporary file that replaces the old one whole.
#include "core/ini_file.h"
#include "core/paths.h"
#include "core/settings.h"
#include "ui/Mainunit.h"
#include "winkit/application.h"
#include "winkit/error.h"
#include "winkit/files.h"
#include "winkit/screen.h"

std::string TMainForm::SettingsPath() const {
    return ravoxel::SettingsFilePath(winkit::App().ExeName());
}

void TMainForm::ReadSettingsFile() {
    std::string bytes;
    try {
        bytes = winkit::ReadWholeFile(SettingsPath());
    } catch (const winkit::FileError&) {
        // A missing or unreadable file reads as the defaults, as the profile functions do.
    }
    const ravoxel::Settings s = ravoxel::ReadSettings(ravoxel::IniFile::Parse(bytes));

    // A position entirely off every monitor (one since unplugged) would hide the window.
    winkit::Rect at{s.Left, s.Top, Width(), Height()};
    if (!winkit::IsOnAnyMonitor(at)) {
        const ravoxel::Settings defaults;
        at.left = defaults.Left;
        at.top = defaults.Top;
    }
    SetPosition(at.left, at.top);

    DirPath = s.DirPath;
    ChgPath = s.ChgPath;
    Mask = s.Mask;
    ViewLeft = s.ViewLeft;
    ViewTop = s.ViewTop;
    ViewWidth = s.ViewWidth;
    ViewHeight = s.ViewHeight;
    ViewFontSize = s.ViewFontSize;
    ChgPathFlg = s.ChgPathFlg;
    MaskNo = s.MaskNo;
    User1Name = s.User1Name;
    User1Mask = s.User1Mask;
    User2Name = s.User2Name;
    User2Mask = s.User2Mask;
    RecentFiles = s.RecentFiles;
}

void TMainForm::WriteSettingsFile() {
    const std::string path = SettingsPath();
    std::string bytes;
    if (winkit::FileExists(path)) {
        try {
            bytes = winkit::ReadWholeFile(path);
        } catch (const winkit::FileError&) {
            // Writing from scratch would drop whatever else the file holds.
            throw winkit::Error(path + " に書き込めません");
        }
    }
    ravoxel::IniFile ini = ravoxel::IniFile::Parse(bytes);

    ravoxel::Settings s;
    const winkit::Rect window = Bounds();
    s.Left = window.left;
    s.Top = window.top;
    s.DirPath = DirPath;
    s.ChgPath = ChgPath;
    s.Mask = Mask;
    s.ViewLeft = ViewLeft;
    s.ViewTop = ViewTop;
    s.ViewWidth = ViewWidth;
    s.ViewHeight = ViewHeight;
    s.ViewFontSize = ViewFontSize;
    s.ChgPathFlg = ChgPathFlg;
    s.MaskNo = MaskNo;
    s.User1Name = User1Name;
    s.User1Mask = User1Mask;
    s.User2Name = User2Name;
    s.User2Mask = User2Mask;
    s.RecentFiles = RecentFiles;
    ravoxel::WriteSettings(ini, s);

    try {
        winkit::ReplaceFileContents(path, ini.Serialize());
    } catch (const winkit::FileError&) {
        throw winkit::Error(path + " に書き込めません");
    }
}
