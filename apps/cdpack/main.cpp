// cdpack: packs, unpacks and tests DCL-packed files (the signature followed by DCL implode
// data; files of 1000 bytes or less are stored unchanged).
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "commands.h"

namespace cd::cdpack {
namespace {

const char kHelp[] =
    "Usage: cdpack COMMAND ARGS...\n"
    "\n"
    "Commands:\n"
    "  pack IN OUT     pack IN into OUT (1000 bytes or less are stored unchanged)\n"
    "  unpack IN OUT   unpack IN into OUT (a file that is not packed is copied)\n"
    "  test FILE...    decode each FILE and report OK or the decoder's error name\n"
    "  --help          show this text\n"
    "\n"
    "A file name \"-\" stands for standard input or standard output, which are read and\n"
    "written in blocks as they come. A named output is replaced only once the whole output\n"
    "is there; standard output keeps what was written before a failure.\n"
    "The exit status is 0 on success, 1 when a file failed, 2 on a usage error.\n";

int Usage(const char* detail) {
  std::fprintf(stderr, "cdpack: %s (see cdpack --help)\n", detail);
  return 2;
}

int Run(const std::vector<std::string>& words) {
  if (words.empty()) return Usage("missing command");
  const std::string& command = words[0];
  const std::vector<std::string> args(words.begin() + 1, words.end());
  if (command == "--help" || command == "-h" || (args.size() == 1 && args[0] == "--help")) {
    std::fputs(kHelp, stdout);
    return 0;
  }
  if (command == "pack" || command == "unpack") {
    if (args.size() != 2) return Usage(("usage: cdpack " + command + " IN OUT").c_str());
    return command == "pack" ? RunPack(args) : RunUnpack(args);
  }
  if (command == "test") {
    if (args.empty()) return Usage("usage: cdpack test FILE...");
    return RunTest(args);
  }
  return Usage(("unknown command \"" + command + "\"").c_str());
}

}  // namespace
}  // namespace cd::cdpack

int main(int argc, char** argv) {
  try {
    return cd::cdpack::Run(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const std::exception& e) {
    std::fprintf(stderr, "cdpack: %s\n", e.what());
    return 1;
  }
}
