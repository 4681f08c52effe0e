// Starting outside programs: waiting for one, quoting a program's name and checking the
// program a run configuration starts at the end.
#include "install/program_start.h"

#include "base/exceptions.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "util/format.h"

namespace cd {

uint32_t RunAndWait(const std::string& commandLine, const std::string& params,
                    const TStepProc& tick) {
  return os::RunProcessAndWait(Format("%s %s", {commandLine, params}), tick);
}

std::string QuotedProgram(const std::string& fileName) {
  if (fileName.find(' ') == std::string::npos) return fileName;
  return "\"" + fileName + "\"";
}

void StartProgram(const std::string& commandLine) {
  os::StartProcess(commandLine, 5);
}

void CheckRunCommand(const std::string& runCommand) {
  if (runCommand.empty()) return;
  const std::string program = runCommand.substr(0, runCommand.find(' '));
  if (os::IsSafeRelativeName(program) && program.find('"') == std::string::npos) return;
  throw Exception(Format(
      "TFilesManager.StartProgram: The program \"%s\" is not a file name inside the Vok folder",
      {program}));
}

}  // namespace cd
