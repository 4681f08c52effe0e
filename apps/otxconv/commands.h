// The commands of otxconv: each reads its arguments and returns the process exit code.
#pragma once

#include <string>
#include <vector>

namespace cd::otxconv {

struct TToolCommand {
  const char* name;
  const char* usage;    // arguments after the command name
  const char* summary;  // one line for --help
  int (*run)(const std::vector<std::string>& args);
};

int RunText2Bin(const std::vector<std::string>& args);
int RunBin2Text(const std::vector<std::string>& args);
int RunCheck(const std::vector<std::string>& args);

}  // namespace cd::otxconv
