#pragma once
// The command line of ravoxel-cli: what to convert, where the outputs go, and how.
#include <string>
#include <vector>

namespace ravoxel::cli {

// The name that stands for standard input (as a source) and standard output (as -o).
inline constexpr const char* kStdStream = "-";

struct CliOptions {
    char axis = 0;                 // one byte, a-z already upper-cased
    std::string output;            // -o: empty when not given, "-" for standard output
    std::string output_dir;        // -d: empty when not given
    std::string extension = "NC1"; // -e, without a leading dot
    bool force = false;            // -f: replace an existing output
    bool check = false;            // --check: convert in memory, write nothing
    std::vector<std::string> sources;
};

enum class ParseOutcome { run, help, version, usage_error };

struct ParseResult {
    ParseOutcome outcome = ParseOutcome::usage_error;
    CliOptions options;
    std::string error; // the usage error, when outcome is usage_error
};

ParseResult ParseCommandLine(int argc, const char* const* argv);

const char* UsageText();

} // namespace ravoxel::cli
