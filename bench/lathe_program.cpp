#include "bench/lathe_program.h"

#include <cstdarg>
#include <cstdint>
#include <cstdio>

namespace ravoxel::bench {

namespace {

// A fixed linear congruential generator: std::mt19937 would do, but its distributions are not
// required to give the same numbers on every standard library.
class Sequence {
public:
    std::uint32_t Next(std::uint32_t bound) {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<std::uint32_t>(state_ >> 33) % bound;
    }

private:
    std::uint64_t state_ = 20240601;
};

__attribute__((format(printf, 2, 3))) void AppendFormatted(std::string& text, const char* format,
                                                           ...) {
    char line[96];
    std::va_list arguments;
    va_start(arguments, format);
    const int length = std::vsnprintf(line, sizeof line, format, arguments);
    va_end(arguments);
    text.append(line, static_cast<std::size_t>(length));
}

} // namespace

std::string GenerateLatheProgram(std::size_t line_count) {
    static const char* const kHeader[] = {
        "%",
        "O1001 (SYNTHETIC TURNING)",
        "G21 G18 G40 G99",
        "T0101 (OD ROUGH)",
        "G96 S180 M03",
        "G50 S2500",
    };
    std::string text;
    text.reserve(line_count * 27);
    std::size_t written = 0;
    for (const char* line : kHeader) {
        if (written == line_count) {
            return text;
        }
        text += line;
        text += "\r\n";
        ++written;
    }
    Sequence random;
    while (written < line_count) {
        const std::uint32_t kind = random.Next(100);
        const unsigned x = random.Next(60), x_decimals = random.Next(1000);
        const unsigned z = random.Next(150), z_decimals = random.Next(1000);
        if (kind < 62) {
            AppendFormatted(text, "G01 X%u.%03u Z-%u.%03u F0.15\r\n", x, x_decimals, z, z_decimals);
        } else if (kind < 74) {
            AppendFormatted(text, "G00 X%u.%03u Z%u.%03u M08\r\n", x, x_decimals, z, z_decimals);
        } else if (kind < 84) {
            AppendFormatted(text, "G02 X%u.%03u Z-%u.%03u R%u.\r\n", x, x_decimals, z, z_decimals,
                            z % 10);
        } else if (kind < 92) {
            AppendFormatted(text, "X%u.%03u Z-%u.%02u\r\n", x, x_decimals, z, z_decimals % 100);
        } else if (kind < 96) {
            AppendFormatted(text, "N%u G01 X%u. Z-%u.\r\n", static_cast<unsigned>(written), x, z);
        } else if (kind < 98) {
            text += "(FINISH PASS)\r\n";
        } else {
            text += "M08\r\n";
        }
        ++written;
    }
    return text;
}

} // namespace ravoxel::bench
