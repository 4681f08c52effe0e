// Hostile command lines taken apart in both styles (arguments split at NUL bytes, the first
// byte chooses the style), and the install log's lines of events made of the same bytes: a
// JSON line holds no raw control character and no unescaped quote inside a text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/exceptions.h"
#include "runner/command_line_parser.h"
#include "runner/install_log.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const bool windowsStyle = (data[0] & 1) != 0;
  std::vector<std::string> args(1);
  for (size_t i = 1; i < size; ++i) {
    if (data[i] == 0)
      args.emplace_back();
    else
      args.back() += static_cast<char>(data[i]);
  }
  try {
    const cd::TRunSwitches switches = cd::TCommandLineParser(windowsStyle).Parse(args);
    // A configuration name is never a switch of either spelling.
    if (switches.configName && switches.configName->rfind("--", 0) == 0) std::abort();
  } catch (const cd::Exception&) {
  }
  cd::TLogEvent event(args.front());
  for (const std::string& arg : args) event.Str(arg, arg);
  const std::string line = cd::TInstallLog::JsonLine("t", event);
  for (char c : line)
    if (static_cast<unsigned char>(c) < 0x20) std::abort();
  if (line.back() != '}') std::abort();
  return 0;
}
