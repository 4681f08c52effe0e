// Running the project's programs as whole processes from the end-to-end tests.
#pragma once

#include <filesystem>
#include <string>

#include "support/host_files.h"

namespace cd::test {

struct ToolRun {
  int status;          // exit status; -1 when the program did not exit normally
  std::string output;  // standard output and standard error together, without CRs
};

// Runs `"program" arguments` through the shell with its output caught in log; input, when not
// empty, is the name of a file that becomes its standard input.
ToolRun RunTool(const std::filesystem::path& program, const std::string& arguments,
                const std::filesystem::path& log, const std::filesystem::path& input = {});

}  // namespace cd::test
