// otxconv: converts object text to the binary form and back. Commands are listed in one table.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "base/exceptions.h"
#include "commands.h"

namespace cd::otxconv {
namespace {

const TToolCommand kCommands[] = {
    {"text2bin", "IN OUT", "convert every object block of the text IN to the binary form OUT",
     RunText2Bin},
    {"bin2text", "IN OUT", "convert every object of the binary form IN to object text OUT",
     RunBin2Text},
    {"check", "FILE", "read FILE into objects, write them back and report the first difference",
     RunCheck},
};

void PrintHelp(FILE* to) {
  std::fprintf(to, "Usage: otxconv COMMAND ARGS...\n\nCommands:\n");
  for (const TToolCommand& c : kCommands)
    std::fprintf(to, "  %s %-8s %s\n", c.name, c.usage, c.summary);
  std::fprintf(to, "\nA file name \"-\" stands for standard input or standard output.\n"
                   "  --help   show this text\n");
}

// The number of words in a usage text is the number of arguments the command takes.
size_t ArgumentCount(const char* usage) {
  size_t n = 0;
  for (const char* p = usage; *p;) {
    while (*p == ' ') ++p;
    if (!*p) break;
    ++n;
    while (*p && *p != ' ') ++p;
  }
  return n;
}

int Run(int argc, char** argv) {
  if (argc < 2) {
    PrintHelp(stderr);
    return 2;
  }
  const std::string name = argv[1];
  if (name == "--help" || name == "-h") {
    PrintHelp(stdout);
    return 0;
  }
  for (const TToolCommand& c : kCommands) {
    if (name != c.name) continue;
    std::vector<std::string> args(argv + 2, argv + argc);
    if (args.size() == 1 && args[0] == "--help") {
      std::printf("Usage: otxconv %s %s\n  %s\n", c.name, c.usage, c.summary);
      return 0;
    }
    if (args.size() != ArgumentCount(c.usage)) {
      std::fprintf(stderr, "otxconv: usage: otxconv %s %s\n", c.name, c.usage);
      return 2;
    }
    return c.run(args);
  }
  std::fprintf(stderr, "otxconv: unknown command \"%s\" (see otxconv --help)\n", name.c_str());
  return 2;
}

}  // namespace
}  // namespace cd::otxconv

int main(int argc, char** argv) {
  try {
    return cd::otxconv::Run(argc, argv);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "otxconv: %s\n", e.what());
    return 1;
  }
}
