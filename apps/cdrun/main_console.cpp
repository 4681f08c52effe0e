// cdrun on POSIX: the console front end. The configuration may be given as a host path, whose
// folder is then mounted as a drive; exit codes tell scripts how the run ended.
#ifndef _WIN32

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "base/exceptions.h"
#include "entry.h"
#include "platform/drive_map.h"
#include "platform/temporary_files.h"
#include "publisher_key.h"
#include "runner/run_rules.h"
#include "usage.h"

namespace {

constexpr int kCancelledStatus = 2;

// A host path becomes the Windows path of the file on the drive its folder is mounted as.
std::string ConfigArgument(const std::string& arg) {
  if (cd::ClassifyConfigName(arg) != cd::TConfigSource::Invalid) return arg;
  std::error_code ec;
  const std::filesystem::path host = std::filesystem::absolute(arg, ec);
  return ec ? arg : cd::os::WindowsPath(host.string());
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  cd::TRunSwitches switches;
  try {
    switches = cd::TCommandLineParser(false).Parse(args);
  } catch (const cd::Exception& failure) {
    std::fprintf(stderr, "%s\n", failure.what());
    return 1;
  }
  if (switches.help) {
    std::fputs(cd::UsageText(false).c_str(), stdout);
    return 0;
  }
  if (switches.version) {
    try {
      std::fputs(cd::VersionText().c_str(), stdout);
    } catch (const std::exception& failure) {
      std::fprintf(stderr, "cdrun: %s\n", failure.what());
      return 1;
    }
    return 0;
  }
  // The program has no automation classes of its own yet: registering and unregistering them
  // (where each class would add or remove its keys) ends at once.
  if (switches.comServer == cd::TComServerSwitch::RegServer ||
      switches.comServer == cd::TComServerSwitch::UnregServer)
    return 0;
  // A host path that cannot be read is reported as typed, before its folder is mounted as a
  // drive whose letter the user never gave.
  if (switches.configName &&
      cd::ClassifyConfigName(*switches.configName) == cd::TConfigSource::Invalid) {
    const std::string& name = *switches.configName;
    std::error_code ec;
    const bool folder = std::filesystem::is_directory(name, ec);
    if (folder || !std::ifstream(name, std::ios::binary)) {
      std::fprintf(stderr, "cdrun: Cannot open file \"%s\": %s\n", name.c_str(),
                   std::strerror(folder ? EISDIR : errno));
      return 1;
    }
  }
  cd::os::EndRunOnInterrupt(kCancelledStatus);
  try {
    if (switches.configName) switches.configName = ConfigArgument(*switches.configName);
    return cd::ExitCodeOf(cd::RunEntry(switches));
  } catch (const std::exception& failure) {
    std::fprintf(stderr, "cdrun: %s\n", failure.what());
    return 1;
  }
}

#endif
