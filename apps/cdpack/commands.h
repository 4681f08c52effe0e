// The commands of cdpack: pack, unpack and test of DCL-packed files.
#pragma once

#include <string>
#include <vector>

namespace cd::cdpack {

// Each returns the exit status; failures are reported on standard error naming the file.
int RunPack(const std::vector<std::string>& args);
int RunUnpack(const std::vector<std::string>& args);
int RunTest(const std::vector<std::string>& args);

}  // namespace cd::cdpack
