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

#include "entry.h"
#include "platform/drive_map.h"
#include "platform/temporary_files.h"
#include "publisher_key.h"
#include "runner/run_rules.h"

namespace {

constexpr int kCancelledStatus = 2;

constexpr const char* kHelp =
    "Usage: cdrun [--pubkey=FILE] [CONFIGURATION]\n"
    "       cdrun --version\n"
    "\n"
    "Runs a CD-ROM run configuration: lets you choose the course application, brings the\n"
    "installed files up to date and starts the chosen viewer.\n"
    "\n"
    "CONFIGURATION  a drive path (C:\\cd\\run.cfg), an http:// or https:// address, or a host\n"
    "               path whose folder is mounted as a drive; default: run.cfg beside the\n"
    "               program.\n"
    "\n"
    "--pubkey=FILE  (also /PUBKEY=FILE) the publisher's public key (PEM, ECDSA P-256): the\n"
    "               medium must carry SHA256SUMS signed with it (SHA256SUMS.sig), or it is\n"
    "               not run; replaces a key built into the program. Without any key, the\n"
    "               sums of a medium that has them are checked, its signature is not.\n"
    "--version      show the version and the fingerprint of the built-in key\n"
    "\n"
    "Drives: the drive map lives in $CDRUN_ROOT (default ~/.cdrun); C: is <root>/drive_c.\n"
    "\n"
    "Questions are asked on the terminal. When standard input is not a terminal, the answers\n"
    "are read from it line by line:\n"
    "  application choice   a number, an empty line for the preselected entry, q to cancel\n"
    "  destination          a folder on a drive (c:\\dir), an empty line to keep the one shown\n"
    "Progress goes to standard output, messages and failures to standard error.\n"
    "\n"
    "Exit status: 0 done (or another start-up program is showing its window), 1 the run\n"
    "failed (the message is on standard error), 2 the user cancelled (also after SIGINT or\n"
    "SIGTERM, which remove the unfinished copy; the installed file stays as it was).\n";

// A host path becomes the Windows path of the file on the drive its folder is mounted as.
std::string ConfigArgument(const std::string& arg) {
  if (cd::ClassifyConfigName(arg) != cd::TConfigSource::Invalid) return arg;
  std::error_code ec;
  const std::filesystem::path host = std::filesystem::absolute(arg, ec);
  return ec ? arg : cd::os::WindowsPath(host.string());
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
    std::fputs(kHelp, stdout);
    return 0;
  }
  if (!args.empty() && args[0] == "--version") {
    try {
      std::fputs(cd::VersionText().c_str(), stdout);
    } catch (const std::exception& failure) {
      std::fprintf(stderr, "cdrun: %s\n", failure.what());
      return 1;
    }
    return 0;
  }
  const std::string keyFile = cd::TakeKeyOption(args);
  // A host path that cannot be read is reported as typed, before its folder is mounted as a
  // drive whose letter the user never gave.
  if (!args.empty() && cd::ClassifyConfigName(args[0]) == cd::TConfigSource::Invalid) {
    std::error_code ec;
    const bool folder = std::filesystem::is_directory(args[0], ec);
    if (folder || !std::ifstream(args[0], std::ios::binary)) {
      std::fprintf(stderr, "cdrun: Cannot open file \"%s\": %s\n", args[0].c_str(),
                   std::strerror(folder ? EISDIR : errno));
      return 1;
    }
  }
  cd::os::EndRunOnInterrupt(kCancelledStatus);
  cd::EntryOutcome outcome;
  try {
    if (!args.empty()) args[0] = ConfigArgument(args[0]);
    if (!keyFile.empty()) args.push_back("--pubkey=" + keyFile);
    outcome = cd::RunEntry(args);
  } catch (const std::exception& failure) {
    std::fprintf(stderr, "cdrun: %s\n", failure.what());
    return 1;
  }
  switch (outcome) {
    case cd::EntryOutcome::Done:
    case cd::EntryOutcome::AnotherInstance:
      return 0;
    case cd::EntryOutcome::Cancelled:
      return kCancelledStatus;
    case cd::EntryOutcome::Failed:
      break;
  }
  return 1;
}

#endif
