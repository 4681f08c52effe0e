// cdrun on Windows: a windowed program without a main window; it always ends with exit code 0.
// --version shows the version and the built-in key's fingerprint in a message box.
#ifdef _WIN32

#include <exception>
#include <string>
#include <utility>
#include <vector>

#include "entry.h"
#include "platform/dialogs.h"
#include "publisher_key.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (!args.empty() && args[0] == "--version") {
    try {
      cd::os::ShowMessageBox(cd::VersionText(), "cdrun");
    } catch (const std::exception& failure) {
      cd::os::ShowMessageBox(failure.what(), "cdrun", cd::os::MessageButtons::Ok,
                             cd::os::MessageIcon::Error);
    }
    return 0;
  }
  cd::RunEntry(std::move(args));
  return 0;
}

#endif
