#pragma once
// Splitting and composing Windows paths held as code-page-932 bytes. Separators are "\" and ":"
// standing as characters of their own: the second byte of a double-byte character (0x5C in
// "ソ" or "表") is never taken for one.
#include <string>
#include <string_view>

namespace ravoxel {

// Up to and including the last separator ("C:\NC\A01.NC" -> "C:\NC\"); empty when none.
std::string FolderPartWithSeparator(std::string_view path);

// The folder without its final "\", except where that "\" is the path's first character or
// follows another separator, as in a drive root: "C:\NC\A01.NC" -> "C:\NC", "C:\A01.NC" -> "C:\".
std::string FolderPartWithoutSeparator(std::string_view path);

// After the last separator ("C:\NC\A01.NC" -> "A01.NC"). Also the single-instance lock name of
// the running executable.
std::string FileNamePart(std::string_view path);

// The file-name part without its extension ("C:\NC\A01.B.NC" -> "A01.B").
std::string NameWithoutExtension(std::string_view path);

// The path with its extension (from the last "." after the last separator) replaced by
// `extension`, which includes its dot; a path without one gets `extension` appended.
std::string ReplaceExtension(std::string_view path, std::string_view extension);

// The settings file beside the executable: "C:\Tools\Ravoxel.exe" -> "C:\Tools\Ravoxel.INI".
std::string SettingsFilePath(std::string_view executable_path);

// The output file of a run: folder, "\" where the folder does not already end in one, name, ".",
// extension. A folder of exactly two bytes ("C:") always gets the "\"; otherwise the folder's
// last character decides, so a folder ending in "表" gets one too. Name and extension are used
// exactly as typed.
std::string ComposeOutputPath(std::string_view folder, std::string_view name,
                              std::string_view extension);

} // namespace ravoxel
