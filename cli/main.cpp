// ravoxel-cli: the tool's conversion from the command line, for batches and scripts.
#include "cli/cli_options.h"
#include "cli/convert_source.h"
#include "cli/file_io.h"
#include "cli/output_path.h"

#include <cstdio>

using namespace ravoxel::cli;

namespace {

std::string OutputFor(const CliOptions& options, const std::string& source) {
    if (!options.output.empty())
        return options.output;
    if (source == kStdStream)
        return kStdStream;
    return DeriveOutputPath(source, options.output_dir, options.extension);
}

} // namespace

int main(int argc, char** argv) {
    PrepareStandardStreams();
    const ParseResult parsed = ParseCommandLine(argc, argv);
    switch (parsed.outcome) {
    case ParseOutcome::help:
        std::fputs(UsageText(), stdout);
        return 0;
    case ParseOutcome::version:
        std::puts("ravoxel-cli " RAVOXEL_VERSION);
        return 0;
    case ParseOutcome::usage_error:
        std::fprintf(stderr, "ravoxel-cli: %s\nTry 'ravoxel-cli --help'.\n", parsed.error.c_str());
        return 2;
    case ParseOutcome::run:
        break;
    }
    bool all_converted = true;
    for (const std::string& source : parsed.options.sources) {
        if (!ConvertSource(parsed.options, source, OutputFor(parsed.options, source)))
            all_converted = false;
    }
    return all_converted ? 0 : 1;
}
