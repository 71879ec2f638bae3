#pragma once
// One source through the whole road: read, convert, write (or only report with --check).
#include "cli/cli_options.h"

#include <string>

namespace ravoxel::cli {

// Converts `source` ("-" for standard input) to `output` ("-" for standard output; ignored
// with --check). Reports every failure on standard error; returns whether it converted.
bool ConvertSource(const CliOptions& options, const std::string& source, const std::string& output);

} // namespace ravoxel::cli
