#include "core/settings.h"

namespace ravoxel {
namespace {

constexpr const char* kRecentKeys[] = {"File1", "File2", "File3", "File4", "File5"};

} // namespace

Settings ReadSettings(const IniFile& ini) {
    const Settings defaults;
    Settings s;
    s.Left = ini.ReadInteger("Main", "Left", defaults.Left);
    s.Top = ini.ReadInteger("Main", "Top", defaults.Top);
    s.DirPath = ini.ReadString("Main", "DirPath", defaults.DirPath);
    s.ChgPath = ini.ReadString("Main", "ChgPath", defaults.ChgPath);
    s.Mask = ini.ReadString("Main", "Mask", defaults.Mask);
    s.ViewLeft = ini.ReadInteger("View", "Left", defaults.ViewLeft);
    s.ViewTop = ini.ReadInteger("View", "Top", defaults.ViewTop);
    s.ViewWidth = ini.ReadInteger("View", "Width", defaults.ViewWidth);
    s.ViewHeight = ini.ReadInteger("View", "Height", defaults.ViewHeight);
    s.ViewFontSize = ini.ReadInteger("View", "FontSize", defaults.ViewFontSize);
    s.ChgPathFlg = ini.ReadString("Options", "ChgPath_Flg", defaults.ChgPathFlg);
    s.MaskNo = ini.ReadInteger("Setting", "Mask_No", defaults.MaskNo);
    s.User1Name = ini.ReadString("Setting", "User1_Name", defaults.User1Name);
    s.User1Mask = ini.ReadString("Setting", "User1_Mask", defaults.User1Mask);
    s.User2Name = ini.ReadString("Setting", "User2_Name", defaults.User2Name);
    s.User2Mask = ini.ReadString("Setting", "User2_Mask", defaults.User2Mask);
    for (std::size_t i = 0; i < s.RecentFiles.size(); ++i)
        s.RecentFiles[i] = ini.ReadString("Recent File List", kRecentKeys[i], "");
    return s;
}

void WriteSettings(IniFile& ini, const Settings& s) {
    ini.WriteInteger("Main", "Top", s.Top);
    ini.WriteInteger("Main", "Left", s.Left);
    ini.WriteString("Main", "DirPath", s.DirPath);
    ini.WriteString("Main", "ChgPath", s.ChgPath);
    ini.WriteString("Main", "Mask", s.Mask);
    ini.WriteInteger("View", "Left", s.ViewLeft);
    ini.WriteInteger("View", "Top", s.ViewTop);
    ini.WriteInteger("View", "Width", s.ViewWidth);
    ini.WriteInteger("View", "Height", s.ViewHeight);
    ini.WriteInteger("View", "FontSize", s.ViewFontSize);
    ini.WriteString("Options", "ChgPath_Flg", s.ChgPathFlg);
    ini.WriteInteger("Setting", "Mask_No", s.MaskNo);
    ini.WriteString("Setting", "User1_Name", s.User1Name);
    ini.WriteString("Setting", "User1_Mask", s.User1Mask);
    ini.WriteString("Setting", "User2_Name", s.User2Name);
    ini.WriteString("Setting", "User2_Mask", s.User2Mask);
    for (std::size_t i = 0; i < s.RecentFiles.size(); ++i)
        ini.WriteString("Recent File List", kRecentKeys[i], s.RecentFiles[i]);
}

} // namespace ravoxel
