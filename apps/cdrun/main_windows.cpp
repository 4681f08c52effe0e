// cdrun on Windows: a windowed program without a main window. An interactive run always ends
// with exit code 0; silent and dry runs, and runs with /NORESTART, end with the code that
// tells how the run went.
#ifdef _WIN32

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "base/exceptions.h"
#include "config/component.h"
#include "entry.h"
#include "platform/dialogs.h"
#include "publisher_key.h"
#include "usage.h"

namespace {

// Whether the command line asks for a run that shows nothing, read before the switches are
// taken apart, so that a wrong switch of a scripted run is not shown in a box nobody closes.
bool AsksForSilence(const std::vector<std::string>& args) {
  for (const std::string& arg : args) {
    for (const char* name : {"/SILENT", "/VERYSILENT", "--silent", "--very-silent"})
      if (cd::SameText(arg, name)) return true;
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  cd::TRunSwitches switches;
  try {
    switches = cd::TCommandLineParser(true).Parse(args);
  } catch (const cd::Exception& failure) {
    if (AsksForSilence(args)) {
      std::fprintf(stderr, "%s\n", failure.what());
    } else {
      cd::os::ShowMessageBox(failure.what(), "cdrun", cd::os::MessageButtons::Ok,
                             cd::os::MessageIcon::Error);
    }
    return 1;
  }
  if (switches.help) {
    cd::os::ShowMessageBox(cd::UsageText(true), "cdrun", cd::os::MessageButtons::Ok,
                           cd::os::MessageIcon::Information);
    return 0;
  }
  if (switches.version) {
    try {
      cd::os::ShowMessageBox(cd::VersionText(), "cdrun");
    } catch (const std::exception& failure) {
      cd::os::ShowMessageBox(failure.what(), "cdrun", cd::os::MessageButtons::Ok,
                             cd::os::MessageIcon::Error);
    }
    return 0;
  }
  // The program has no automation classes of its own yet: registering and unregistering them
  // (where each class would add or remove its keys) ends at once.
  if (switches.comServer == cd::TComServerSwitch::RegServer ||
      switches.comServer == cd::TComServerSwitch::UnregServer)
    return 0;
  if (const std::optional<int> handedBack = cd::RunRemovalInTemporaryCopy(switches))
    return *handedBack;
  const int code = cd::ExitCodeOf(cd::RunEntry(switches));
  const int exitCode = switches.ReportsExitCode() ? code : 0;
  cd::FinishHandedOverRemoval(switches, exitCode);
  return exitCode;
}

#endif
