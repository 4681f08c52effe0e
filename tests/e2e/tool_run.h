// Running the project's programs as whole processes from the end-to-end tests.
#pragma once

#include <filesystem>
#include <string>

namespace cd::test {

struct ToolRun {
  int status;          // exit status; -1 when the program did not exit normally
  std::string output;  // standard output and standard error together, without CRs
};

// Runs `"program" arguments` through the shell with its output caught in log; input, when not
// empty, is the name of a file that becomes its standard input.
ToolRun RunTool(const std::filesystem::path& program, const std::string& arguments,
                const std::filesystem::path& log, const std::filesystem::path& input = {});

// The whole content of a host file; empty when it cannot be read.
std::string ReadHost(const std::filesystem::path& name);

}  // namespace cd::test
