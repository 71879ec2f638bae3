#pragma once
// A synthetic lathe program in radius mode for timing the conversion: the same bytes on every
// machine and every run.
#include <cstddef>
#include <string>

namespace ravoxel::bench {

// `line_count` lines broken by CR LF, about 26 bytes a line.
std::string GenerateLatheProgram(std::size_t line_count);

} // namespace ravoxel::bench
