// Command lines and file names: splitting, masks and the relative-name safety test take any
// bytes; a name judged safe has no component that could leave its folder; a destination's
// normal form is a folder on a drive and its own normal form.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/command_line.h"
#include "platform/paths.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const auto parts =
      cd::os::SplitProgram(text, [](const std::string& s) { return s.size() % 3 == 0; });
  (void)cd::os::SplitArguments(parts.arguments);
  const size_t cut = size / 2;
  (void)cd::os::MatchesMask(text.substr(0, cut), text.substr(cut));
  (void)cd::os::ChangeFileExt(text, ".x");
  if (cd::os::IsSafeRelativeName(text)) {
    if (text.find(':') != std::string::npos) std::abort();
    for (const std::string& part : cd::os::SplitPathComponents(text)) {
      if (part == "." || part == "..") std::abort();
    }
  }
  if (const auto normal = cd::os::NormalDrivePath(text)) {
    if (!cd::os::IsFolderOnDrive(*normal) || cd::os::NormalDrivePath(*normal) != normal) std::abort();
  }
  return 0;
}
