// The names of the temporary files written beside their targets ("<target>.~xxxxxxxx.tmp")
// and the removal of those that interrupted runs left behind. Portable, over files.h.
#pragma once

#include <string>

namespace cd::os {

// A new temporary name beside target: target, ".~", 8 lowercase hex digits, ".tmp".
std::string TemporaryNameFor(const std::string& target);

// Whether a file name (without folder) has exactly that form after a name of at least one
// character; nothing else is ever taken for a leftover.
bool IsTemporaryName(const std::string& fileName);

// Removes the leftover temporary files in folder (a host path ending with a separator) the
// first time this process asks for that folder; later calls for it do nothing, so that a run
// over many files looks at each folder once.
void SweepLeftoversOnce(const std::string& folder);

}  // namespace cd::os
