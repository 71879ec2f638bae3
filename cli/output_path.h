#pragma once
// Where a source's output goes by default.
#include <string>

namespace ravoxel::cli {

// `folder` (the source's own folder when empty) + the source's name without its extension +
// "." + `extension`. The name is what follows the last separator; its extension starts at its
// last ".". A second byte of a double-byte character is never taken for a separator.
std::string DeriveOutputPath(const std::string& source, const std::string& folder,
                             const std::string& extension);

} // namespace ravoxel::cli
