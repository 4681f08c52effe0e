// Hostile library card files: one input is the only file of a card folder, loaded by the card
// index; a card that loads must save and read back to the same text.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "base/exceptions.h"
#include "config/config_io.h"
#include "library/card_index.h"
#include "library/library_classes.h"
#include "library/library_hooks.h"
#include "platform/drive_map.h"
#include "platform/files.h"
#include "platform/paths.h"

namespace {

// A card folder of this process's own under the temporary folder, as a Windows path.
const std::string& Root() {
  static const std::string root = [] {
    std::string host = "/tmp/cdrun-card-fuzz-" + std::to_string(getpid());
    const std::string windows = cd::os::IncludeTrailingBackslash(cd::os::WindowsPath(host));
    cd::os::ForceDirectories(windows + "VokMnger\\BookCard\\");
    return windows;
  }();
  return root;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool registered = (
      cd::RegisterLibraryClasses(), cd::OnCardIndexDiscPath() = [] { return Root(); }, true);
  (void)registered;
  const std::string file = Root() + "VokMnger\\BookCard\\_Editpla.a01";
  cd::os::WriteWholeFile(file, std::string(reinterpret_cast<const char*>(data), size));
  cd::TCardIndex index;
  std::string written;
  try {
    if (index.Count() != 1) std::abort();
    cd::TBookCard& card = index.Items(0);
    card.Save();
    written = cd::ObjectToString(&card);
  } catch (const cd::Exception&) {
    if (index.Loaded()) std::abort();
    return 0;
  }
  if (cd::ObjectToString(cd::TBookCard::CreateFromFile(file).get()) != written) std::abort();
  return 0;
}
