// Running the project's programs as whole processes from the end-to-end tests.
#pragma once

#include <filesystem>
#include <string>

#include "support/host_files.h"

namespace cd::test {

// The example's components all chosen: on the console chooser the first available row moved
// three times (Program, Courses, Help), then Enter; on the command line by name.
inline constexpr const char* kChooseAllComponents = "> 1\n> 1\n> 1\n\n";
inline constexpr const char* kAllComponents = "--components=Program,Courses,Help";

struct ToolRun {
  int status;          // exit status; -1 when the program did not exit normally
  std::string output;  // standard output and standard error together, without CRs
};

// Runs `"program" arguments` through the shell with its output caught in log; input, when not
// empty, is the name of a file that becomes its standard input.
ToolRun RunTool(const std::filesystem::path& program, const std::string& arguments,
                const std::filesystem::path& log, const std::filesystem::path& input = {});

// Copies the example sources to folder/"example-src" and builds its medium CDRUN_DEMO with
// cdbuild (the log in folder/"cdbuild.log").
ToolRun BuildExample(const std::filesystem::path& folder);

}  // namespace cd::test
