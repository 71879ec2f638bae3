#pragma once
// A Windows profile (INI) document held as code-page-932 lines, read and written by the rules
// of the system's private-profile functions. It does no file I/O: the caller reads the file's
// bytes into Parse and writes Serialize's bytes back.
//
// - A line whose first non-blank byte is "[" and that holds a "]" opens a section; a line with
//   "=" is a key line; lines starting with ";" and every other line are kept as they are and
//   never match. A line without "=" is not a key: reading its name gives the default, and
//   writing that name adds a key line instead of rewriting the unknown line.
// - Section and key names match without regard to ASCII letter case and to blanks around them;
//   the first matching section and the first matching key in it win.
// - A value read has the blanks around it dropped and, as the system does, one pair of matching
//   quotes (" or ') around it removed; at most 2047 bytes come back, never half a character.
// - Values are written as they are, except that a value that would not read back as itself
//   (blanks around it, or a matching pair of quotes around it) is enclosed in quotes, and a
//   value stops at its first CR, LF or NUL so that it can never add lines to the file.
#include <string>
#include <string_view>
#include <vector>

namespace ravoxel {

class IniFile {
public:
    static constexpr std::size_t kMaxValueBytes = 2047;

    IniFile() = default;
    // Lines may be broken by CR LF, LF or a lone CR.
    static IniFile Parse(std::string_view bytes);

    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view default_value) const;
    // Decimal with an optional sign, or hexadecimal after "0x"/"0X" (up to 32 bits, read as a
    // signed 32-bit value); anything else, or a decimal out of range, reads as the default.
    int ReadInteger(std::string_view section, std::string_view key, int default_value) const;

    // Replaces the value of an existing key where it stands; a missing key is added after the
    // last key line of its section, a missing section at the end of the document.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, int value);

    // Every line followed by CR LF.
    std::string Serialize() const;

private:
    struct Location {
        std::size_t section_line; // npos when the section is missing
        std::size_t key_line;     // npos when the key is missing
        std::size_t insert_at;    // where a missing key goes
    };
    Location Find(std::string_view section, std::string_view key) const;

    std::vector<std::string> lines_;
};

} // namespace ravoxel
