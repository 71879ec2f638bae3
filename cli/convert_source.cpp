#include "cli/convert_source.h"

#include "cli/file_io.h"
#include "core/conversion_engine.h"

#include <algorithm>
#include <cstdio>
#include <new>

namespace ravoxel::cli {

namespace {

void Report(std::FILE* stream, const std::string& what, const std::string& text) {
    std::string line = "ravoxel-cli: " + what + ": " + text + "\n";
    std::fwrite(line.data(), 1, line.size(), stream);
}

bool Fail(const std::string& what, const std::string& reason) {
    Report(stderr, what, reason);
    return false;
}

bool ConvertOrReport(const CliOptions& options, const std::string& source,
                     const std::string& output) {
    const bool from_stdin = source == kStdStream;
    const std::string name = from_stdin ? "standard input" : source;
    const bool to_file = !options.check && output != kStdStream;

    SourceBytes source_bytes;
    std::string error =
        from_stdin ? ReadStandardInput(source_bytes) : ReadWholeFile(source, source_bytes);
    if (!error.empty())
        return Fail(name, error);
    const std::string_view text = source_bytes.view();
    if (auto nul = text.find('\0'); nul != std::string_view::npos)
        return Fail(name, "not a text file (NUL byte at offset " + std::to_string(nul) +
                              "); no output written");
    if (to_file) {
        // Refused before any work; the write itself refuses a target that appears meanwhile.
        switch (InspectPath(output)) {
        case PathKind::folder:
            return Fail(output, "is a folder; no output written");
        case PathKind::file:
            if (!options.force)
                return Fail(output, kOutputExists);
            break;
        case PathKind::missing:
            break;
        }
    }
    if (text.empty())
        Report(stderr, name, "warning: empty source; its output is empty too");

    // Room for the worst case up front (every line at most doubles): pages are committed only
    // as they are written, and the output never moves while it grows, which would briefly hold
    // it twice. Where the address space is short the engine grows it as it needs.
    std::string converted;
    try {
        converted.reserve(2 * text.size() + 2);
        AdviseLargeBuffer(converted.data(), converted.capacity());
    } catch (const std::bad_alloc&) {
    }
    if (auto failure = ConvertText(text, options.axis, converted)) {
        return Fail(name, "line " + std::to_string(failure->line_number) + ": the number text '" +
                              failure->number_text + "' after " + std::string(1, options.axis) +
                              " is not a number; no output written");
    }
    source_bytes.Release();

    if (options.check) {
        const auto lines = std::count(converted.begin(), converted.end(), '\n');
        Report(stdout, name, "converts cleanly (" + std::to_string(lines) + " lines)");
        return true;
    }
    if (!to_file) {
        error = WriteStandardOutput(converted);
        return error.empty() || Fail("standard output", error);
    }
    error = WriteFileAtomically(output, converted, options.force);
    return error.empty() || Fail(output, error);
}

} // namespace

bool ConvertSource(const CliOptions& options, const std::string& source,
                   const std::string& output) {
    try {
        return ConvertOrReport(options, source, output);
    } catch (const std::bad_alloc&) {
        return Fail(source == kStdStream ? "standard input" : source,
                    "too large to convert in memory; no output written");
    }
}

} // namespace ravoxel::cli
