#pragma once
// The conversion as the run does it on the working text, one line at a time: read a line, repair
// a lone LF ending and write it back, read it again, double its axis value and write it back;
// the result is every line followed by CR LF. The engine and the stepwise run must agree with it.
#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "core/axis_doubling.h"
#include "core/conversion_engine.h"
#include "core/working_text.h"

namespace ravoxel::testing {

inline std::optional<ConversionFailure> ConvertLineByLine(std::string_view text, char axis,
                                                          std::string& out) {
    WorkingText working(text);
    const std::size_t line_count = working.LineCount();
    std::optional<ConversionFailure> failure;
    std::size_t done = 0;
    for (; done < working.LineCount(); ++done) {
        std::string line = working.ReadLine(done);
        if (std::string repaired = RepairLfEnding(line); repaired != line) {
            working.WriteLine(done, repaired);
        }
        line = working.ReadLine(done);
        try {
            if (std::string doubled = DoubleAxisValue(line, axis); doubled != line) {
                working.WriteLine(done, doubled);
            }
        } catch (const ConversionError& error) {
            failure = ConversionFailure{done + 1, error.number_text(), error.what()};
            break;
        }
    }
    if (working.LineCount() != line_count) {
        throw std::logic_error("the rewrite changed the line count");
    }
    out.clear();
    for (std::size_t i = 0; i < done; ++i) {
        out += working.ReadLine(i);
        out += "\r\n";
    }
    return failure;
}

} // namespace ravoxel::testing
