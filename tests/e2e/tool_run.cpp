// Whole-process runs of the programs under test, through the shell of the platform.
#include "tool_run.h"

#include <algorithm>
#include <cstdlib>

namespace cd::test {

ToolRun RunTool(const std::filesystem::path& program, const std::string& arguments,
                const std::filesystem::path& log, const std::filesystem::path& input) {
  std::string command = "\"" + std::filesystem::path(program).make_preferred().string() + "\" " +
                        arguments + " > \"" + log.string() + "\" 2>&1";
  if (!input.empty()) command += " < \"" + input.string() + "\"";
#ifdef _WIN32
  const int status = std::system(("\"" + command + "\"").c_str());  // cmd.exe strips a pair
#else
  // The wait status: the exit code in the second byte when the low seven bits are 0.
  const int raw = std::system(command.c_str());
  const int status = (raw & 0x7F) == 0 ? (raw >> 8) & 0xFF : -1;
#endif
  std::string output = ReadHost(log);
  std::erase(output, '\r');  // Windows writes its text output with CR LF
  return {status, output};
}

ToolRun BuildExample(const std::filesystem::path& folder) {
  const std::filesystem::path src = folder / "example-src";
  std::filesystem::copy(CD_EXAMPLE_SRC, src, std::filesystem::copy_options::recursive);
  return RunTool(CD_CDBUILD, "\"" + (src / "install.otx").string() + "\" --medium CDRUN_DEMO",
                 folder / "cdbuild.log");
}

}  // namespace cd::test
