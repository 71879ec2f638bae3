#include "cli/cli_options.h"

#include <string_view>

#include "core/axis_doubling.h"

namespace ravoxel::cli {

namespace {

ParseResult UsageError(std::string message) {
    ParseResult result;
    result.outcome = ParseOutcome::usage_error;
    result.error = std::move(message);
    return result;
}

// Walks argv: options with a value take it attached ("-aX", "--axis=X") or as the next
// argument, which is taken verbatim even when it begins with "-".
class ArgReader {
public:
    ArgReader(int argc, const char* const* argv) : argc_(argc), argv_(argv) {}

    bool done() const { return index_ >= argc_; }
    std::string_view next() { return argv_[index_++]; }
    bool value(std::string_view attached, std::string& out) {
        if (!attached.empty()) {
            out = attached;
            return true;
        }
        if (done())
            return false;
        out = next();
        return true;
    }

private:
    int argc_;
    const char* const* argv_;
    int index_ = 1;
};

} // namespace

ParseResult ParseCommandLine(int argc, const char* const* argv) {
    ParseResult result;
    CliOptions& opt = result.options;
    ArgReader args(argc, argv);
    std::string axis_text;
    bool axis_given = false, output_given = false, dir_given = false, ext_given = false;
    bool options_ended = false;

    while (!args.done()) {
        std::string_view arg = args.next();
        if (options_ended || arg == kStdStream || arg.size() < 2 || arg[0] != '-') {
            opt.sources.emplace_back(arg);
            continue;
        }
        if (arg == "--") {
            options_ended = true;
            continue;
        }
        // Split "--name=value" and "-xVALUE" into the option and its attached value.
        std::string_view name = arg, attached;
        if (arg.starts_with("--")) {
            if (auto eq = arg.find('='); eq != std::string_view::npos) {
                name = arg.substr(0, eq);
                attached = arg.substr(eq + 1);
                if (attached.empty())
                    return UsageError("option '" + std::string(name) + "' needs a value");
            }
        } else {
            name = arg.substr(0, 2);
            attached = arg.substr(2);
        }

        std::string* target = nullptr;
        bool* given = nullptr;
        if (name == "-a" || name == "--axis") {
            target = &axis_text;
            given = &axis_given;
        } else if (name == "-o" || name == "--output") {
            target = &opt.output;
            given = &output_given;
        } else if (name == "-d" || name == "--output-dir") {
            target = &opt.output_dir;
            given = &dir_given;
        } else if (name == "-e" || name == "--extension") {
            target = &opt.extension;
            given = &ext_given;
        } else if ((name == "-f" || name == "--force") && attached.empty()) {
            opt.force = true;
            continue;
        } else if (arg == "--check") {
            opt.check = true;
            continue;
        } else if (arg == "-h" || arg == "--help") {
            result.outcome = ParseOutcome::help;
            return result;
        } else if (arg == "--version") {
            result.outcome = ParseOutcome::version;
            return result;
        } else {
            return UsageError("unknown option '" + std::string(arg) + "'");
        }
        if (*given)
            return UsageError("option '" + std::string(name) + "' given twice");
        if (!args.value(attached, *target))
            return UsageError("option '" + std::string(name) + "' needs a value");
        *given = true;
    }

    if (!axis_given)
        return UsageError("the axis letter is missing (-a LETTER)");
    if (axis_text.size() != 1)
        return UsageError("the axis must be exactly one letter (one byte), not '" + axis_text +
                          "'");
    opt.axis = AxisLetter(axis_text[0]);

    if (opt.sources.empty())
        return UsageError("no source file given");
    int stdin_sources = 0;
    for (const std::string& source : opt.sources)
        stdin_sources += source == kStdStream;
    if (stdin_sources > 1)
        return UsageError("standard input ('-') can be a source only once");

    if (output_given) {
        if (opt.output.empty())
            return UsageError("the output path (-o) is empty");
        if (opt.sources.size() > 1)
            return UsageError("-o takes one source only; use -d for several");
        if (dir_given || ext_given)
            return UsageError("-o names the whole output; it cannot be combined with -d or -e");
    }
    if (dir_given && opt.output_dir.empty())
        return UsageError("the output folder (-d) is empty");
    if (dir_given && stdin_sources > 0)
        return UsageError("standard input has no name to put into the output folder; use -o");
    if (ext_given && opt.extension.starts_with('.'))
        opt.extension.erase(0, 1);
    if (opt.extension.empty())
        return UsageError("the output extension (-e) is empty");

    result.outcome = ParseOutcome::run;
    return result;
}

const char* UsageText() {
    return R"(Usage: ravoxel-cli -a LETTER [options] SOURCE...

Doubles the number after the first LETTER on every line of each NC program
(for example a lathe program's radius X values into diameter values) and writes
the converted program with CR LF line breaks: byte for byte what Ravoxel's Save
writes for the same source and axis.

Options:
  -a, --axis LETTER     the axis letter, one byte; a-z count as A-Z (required)
  -o, --output PATH     the output of the one SOURCE; '-' writes to standard output
  -d, --output-dir DIR  write the outputs into DIR instead of beside each source
  -e, --extension EXT   output extension (default NC1); an output is named
                        SOURCE's name without its extension, '.', EXT
  -f, --force           replace an existing output
      --check           convert in memory and report; write nothing
  -h, --help            show this help
      --version         show the version

A SOURCE of '-' is standard input; its output goes to standard output unless
-o names a file. An existing output is left untouched and counts as a failure
unless --force is given. Each output is written to a temporary file in the
target's folder and takes the target's place only when the whole conversion
succeeded, so a failure never leaves a partial output. A source with a NUL byte
is refused as not a text file; an empty source gives an empty output.

Exit status: 0 when every source converted, 1 when any failed, 2 for a usage error.

Example: ravoxel-cli -a X A01.NC      (writes A01.NC1 beside A01.NC)
)";
}

} // namespace ravoxel::cli
