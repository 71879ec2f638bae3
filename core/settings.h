#pragma once
// The tool's settings as kept in its INI file beside the executable, with the defaults of a
// first start.
#include <array>
#include <string>
#include <string_view>

#include "core/ini_file.h"

namespace ravoxel {

// "ﾕｰｻﾞ" (user) in half-width katakana, code page 932: the default names of the two
// user-defined file types.
inline constexpr std::string_view kDefaultUserName = "\xD5\xB0\xBB\xDE";

struct Settings {
    int Left = 10; // main window, screen pixels
    int Top = 10;
    std::string DirPath = "C:\\"; // folder of the last source file
    std::string ChgPath = "C:\\"; // output folder chosen with the folder browser
    std::string Mask = "NC1";     // default output extension
    int ViewLeft = 10;            // result viewer geometry
    int ViewTop = 10;
    int ViewWidth = 500;
    int ViewHeight = 500;
    int ViewFontSize = 10;
    std::string ChgPathFlg = "N"; // exactly "Y": output into the source file's folder
    int MaskNo = 1;               // filter index of the open dialog, from 1
    std::string User1Name = std::string(kDefaultUserName) + "1";
    std::string User1Mask = "*.*";
    std::string User2Name = std::string(kDefaultUserName) + "2";
    std::string User2Mask = "*.*";
    std::array<std::string, 5> RecentFiles; // most recent first; empty = free entry

    bool operator==(const Settings&) const = default;
};

// Missing keys, and integers that are not integers, take the defaults above. Nothing else is
// checked: a value is taken as it stands.
Settings ReadSettings(const IniFile& ini);

// Writes all 21 keys, in the order that gives a file written from scratch its layout: Main
// (Top before Left), View, Options, Setting, Recent File List.
void WriteSettings(IniFile& ini, const Settings& settings);

} // namespace ravoxel
