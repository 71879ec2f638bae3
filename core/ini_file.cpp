#include "core/ini_file.h"

#include <charconv>
#include <cstdint>
#include <optional>

#include "core/cp932.h"

namespace ravoxel {
namespace {

constexpr auto npos = std::string_view::npos;

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Letter case is folded only in single-byte characters: the second byte of a double-byte
// character may have a letter's code ("ア" is 0x83 0x41), and folding it would make another
// character.
bool NamesEqual(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t pos = 0; pos < a.size();) {
        const std::size_t next = cp932::NextCharStart(a, pos);
        if (next - pos == 1) {
            if (AsciiLower(a[pos]) != AsciiLower(b[pos]))
                return false;
        } else if (a.substr(pos, next - pos) != b.substr(pos, next - pos)) {
            return false;
        }
        pos = next;
    }
    return true;
}

bool IsQuote(char c) {
    return c == '"' || c == '\'';
}

bool HasQuotesAround(std::string_view value) {
    return value.size() >= 2 && IsQuote(value.front()) && value.back() == value.front();
}

enum class LineKind { kOther, kSection, kKey };

struct LineParts {
    LineKind kind = LineKind::kOther;
    std::string_view name;  // section or key name, blanks around it dropped
    std::string_view value; // the text after the key's "=", as it stands
};

LineParts Classify(std::string_view line) {
    line = Trim(line);
    if (line.empty() || line.front() == ';')
        return {};
    if (line.front() == '[') {
        const std::size_t close = cp932::FindFirstOf(line.substr(1), "]");
        if (close != npos)
            return {LineKind::kSection, Trim(line.substr(1, close)), {}};
    }
    const std::size_t equals = line.find('=');
    if (equals == npos)
        return {};
    return {LineKind::kKey, Trim(line.substr(0, equals)), line.substr(equals + 1)};
}

// What goes after the "=" so that reading gives `value` back.
std::string StoredValue(std::string_view value) {
    value = value.substr(0, value.find_first_of(std::string_view("\r\n\0", 3)));
    if (!value.empty() &&
        (IsBlank(value.front()) || IsBlank(value.back()) || HasQuotesAround(value)))
        return '"' + std::string(value) + '"';
    return std::string(value);
}

std::optional<int> ParseInteger(std::string_view text) {
    const char* end = text.data() + text.size();
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        std::uint32_t value = 0;
        const auto [ptr, ec] = std::from_chars(text.data() + 2, end, value, 16);
        if (ec != std::errc() || ptr != end)
            return std::nullopt;
        return static_cast<std::int32_t>(value);
    }
    if (text.size() > 1 && text[0] == '+' && text[1] != '-')
        text.remove_prefix(1);
    std::int32_t value = 0;
    const auto [ptr, ec] = std::from_chars(text.data(), end, value, 10);
    if (text.empty() || ec != std::errc() || ptr != end)
        return std::nullopt;
    return value;
}

} // namespace

IniFile IniFile::Parse(std::string_view bytes) {
    IniFile ini;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find_first_of("\r\n");
        ini.lines_.emplace_back(bytes.substr(0, end));
        if (end == npos)
            break;
        const bool crlf = bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n';
        bytes.remove_prefix(end + (crlf ? 2 : 1));
    }
    return ini;
}

IniFile::Location IniFile::Find(std::string_view section, std::string_view key) const {
    section = Trim(section);
    key = Trim(key);
    Location found{npos, npos, npos};
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const LineParts parts = Classify(lines_[i]);
        if (parts.kind == LineKind::kSection) {
            if (found.section_line != npos)
                break; // only the first section of that name counts
            if (NamesEqual(parts.name, section)) {
                found.section_line = i;
                found.insert_at = i + 1;
            }
        } else if (parts.kind == LineKind::kKey && found.section_line != npos) {
            found.insert_at = i + 1;
            if (NamesEqual(parts.name, key)) {
                found.key_line = i;
                break;
            }
        }
    }
    return found;
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view default_value) const {
    const Location found = Find(section, key);
    if (found.key_line == npos)
        return std::string(default_value);
    std::string_view value = Trim(Classify(lines_[found.key_line]).value);
    if (HasQuotesAround(value))
        value = value.substr(1, value.size() - 2);
    return std::string(value.substr(0, cp932::WholeCharsWithin(value, kMaxValueBytes)));
}

int IniFile::ReadInteger(std::string_view section, std::string_view key, int default_value) const {
    return ParseInteger(ReadString(section, key, "")).value_or(default_value);
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    const Location found = Find(section, key);
    if (found.key_line != npos) {
        // Rewritten in place; the key keeps its spelling from the file.
        std::string& line = lines_[found.key_line];
        line = std::string(Classify(line).name) + '=' + StoredValue(value);
        return;
    }
    std::string key_line = std::string(Trim(key)) + '=' + StoredValue(value);
    if (found.section_line == npos) {
        lines_.push_back('[' + std::string(Trim(section)) + ']');
        lines_.push_back(std::move(key_line));
        return;
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(found.insert_at),
                  std::move(key_line));
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, int value) {
    WriteString(section, key, std::to_string(value));
}

std::string IniFile::Serialize() const {
    std::string bytes;
    for (const std::string& line : lines_) {
        bytes += line;
        bytes += "\r\n";
    }
    return bytes;
}

} // namespace ravoxel
