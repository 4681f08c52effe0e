// The example medium built by cdbuild.exe for the program tests.
#pragma once

#include <windows.h>

#include <filesystem>

namespace cd::test {

// Every component of the example chosen, for a silent run.
inline constexpr const char* kAllComponents = "/COMPONENTS=Program,Courses,Help";

// Copies the example's sources to folder/"example-src" and builds the medium they describe;
// cdbuild's exit code (-1 when it did not end in time).
DWORD BuildExampleMedium(const std::filesystem::path& folder);

}  // namespace cd::test
