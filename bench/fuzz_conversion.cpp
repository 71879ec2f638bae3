// libFuzzer target for the doubling rule and the whole-text engine (built by bench/fuzz.sh).
// The first input byte picks the axis letter, the rest is the text. Checked on every input:
// - DoubleAxisValue agrees with a plain reading of the rule that doubles in integer arithmetic
//   (for numbers of up to 17 digits, where that arithmetic is exact);
// - ConvertText agrees with the line-by-line run on the working text;
// - the stepwise conversion run to its end gives the engine's bytes;
// - the line-by-line loader gives lines of at most 499 bytes without NUL bytes.
#include "core/axis_doubling.h"
#include "core/conversion_engine.h"
#include "core/source_loader.h"
#include "core/stepwise_conversion.h"
#include "tests/core/line_by_line_conversion.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <regex>
#include <string>
#include <string_view>

namespace {

using namespace ravoxel;

[[noreturn]] void Fail(const char* what, std::string_view text) {
    std::fprintf(stderr, "fuzz check failed: %s (%zu bytes)\n", what, text.size());
    std::abort();
}

// The rule read step by step, with the number doubled as an integer of its digits. Nothing when
// the number is too long for that; the error text for a run that is no number.
struct Reference {
    std::string line;
    std::optional<std::string> error;
};

std::optional<Reference> ReferenceRule(std::string_view line, char axis) {
    const std::size_t p = line.find(axis);
    if (p == std::string_view::npos) {
        return Reference{std::string(line), {}};
    }
    std::size_t e = p + 1;
    while (e < line.size() &&
           std::string_view("0123456789.- ").find(line[e]) != std::string_view::npos) {
        ++e;
    }
    const std::string k(line.substr(p + 1, e - p - 1));
    if (k.empty() || k == "-") {
        return Reference{std::string(line), {}};
    }
    if (k.size() > 40) {
        return std::nullopt; // keeps std::regex, which recurses, on short texts
    }
    const std::size_t replaced_end = k.back() == ' ' ? e - 1 : e;
    static const std::regex kNumber(R"(^ *(-?)([0-9]*)(\.([0-9]*))? *$)");
    std::smatch m;
    if (!std::regex_match(k, m, kNumber) || (m[2].length() == 0 && !m[3].matched)) {
        return Reference{std::string(line), k};
    }
    const bool point = m[3].matched;
    const std::string int_digits = m[2].str(), frac_digits = m[4].str();
    const std::size_t decimals = point ? std::max<std::size_t>(1, frac_digits.size()) : 0;
    const std::string digits =
        int_digits + frac_digits + std::string(decimals - frac_digits.size(), '0');
    if (digits.size() > 17) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    for (char c : digits) {
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
    }
    value *= 2;
    std::string text = std::to_string(value);
    if (text.size() < decimals + 1) {
        text.insert(0, decimals + 1 - text.size(), '0');
    }
    if (point) {
        text.insert(text.size() - decimals, ".");
    }
    if (m[1].length() != 0 && value != 0) {
        text.insert(0, "-");
    }
    return Reference{
        std::string(line.substr(0, p + 1)) + text + std::string(line.substr(replaced_end)), {}};
}

void CheckRule(std::string_view text, char axis) {
    // The rule takes any bytes; lines as the run gives them hold no break, so cut at the first.
    const std::string_view line = text.substr(0, text.find_first_of("\r\n"));
    const std::optional<Reference> reference = ReferenceRule(line, axis);
    try {
        const std::string doubled = DoubleAxisValue(line, axis);
        if (reference && (reference->error || doubled != reference->line)) {
            Fail("DoubleAxisValue differs from the reference", line);
        }
    } catch (const ConversionError& error) {
        if (reference && reference->error != error.number_text()) {
            Fail("DoubleAxisValue fails where the reference does not", line);
        }
    }
}

void CheckEngine(std::string_view text, char axis) {
    std::string engine_out, lines_out;
    const auto engine = ConvertText(text, axis, engine_out);
    const auto lines = testing::ConvertLineByLine(text, axis, lines_out);
    if (engine_out != lines_out || engine.has_value() != lines.has_value() ||
        (engine &&
         (engine->line_number != lines->line_number || engine->number_text != lines->number_text ||
          engine->message != lines->message))) {
        Fail("ConvertText differs from the line-by-line run", text);
    }
    StepwiseConversion run{std::string(text), axis};
    std::optional<ConversionFailure> failure;
    while (!run.Finished() && !(failure = run.ConvertNextLine())) {
    }
    if (run.Converted() != engine_out || failure.has_value() != engine.has_value() ||
        (failure && failure->line_number != engine->line_number) ||
        (!failure && run.WholeText() != engine_out)) {
        Fail("the stepwise conversion differs from ConvertText", text);
    }
}

void CheckLoader(std::string_view bytes) {
    const WorkingText text = ReadLineByLine(bytes);
    for (std::size_t i = 0; i < text.LineCount(); ++i) {
        const std::string line = text.ReadLine(i);
        if (line.size() > 499 || line.find('\0') != std::string::npos) {
            Fail("ReadLineByLine gave a line over 499 bytes or with a NUL", bytes);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    // Mostly the letters and number characters that make the rule interesting, sometimes any.
    static constexpr char kAxes[] = {'X', 'Z', ' ', '-', '.', '0', '\r', '\n', '\0', '\x83'};
    const char axis = data[0] < 0xC0 ? kAxes[data[0] % sizeof kAxes] : static_cast<char>(data[0]);
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
    CheckRule(text, axis);
    CheckEngine(text, axis);
    CheckLoader(text);
    return 0;
}
