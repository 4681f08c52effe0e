// The example medium built by cdbuild.exe for the program tests.
#pragma once

#include <windows.h>

#include <filesystem>
#include <functional>
#include <string>

namespace cd::test {

// Copies the example's sources to folder/"example-src", lets edit change their description,
// and builds the medium they describe; cdbuild's exit code (-1 when it did not end in time).
DWORD BuildExampleMedium(const std::filesystem::path& folder,
                         const std::function<void(std::string&)>& edit = {});

}  // namespace cd::test
