// Case-insensitive lookups of names in host folders. Internal to the POSIX layer.
#pragma once

#include <string>

namespace cd::os::posix {

// The entry of folder whose name equals name without regard to ASCII letter case (the first
// such entry the folder lists). A folder's names are read once and kept while the folder stays
// unchanged, so that looking up many missing names in one folder does not read it each time.
bool FindCaseVariant(const std::string& folder, const std::string& name, std::string* found);

}  // namespace cd::os::posix
