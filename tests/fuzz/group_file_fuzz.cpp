// Hostile group files, packed or not, read as a group whose members are installed while it is
// read: every input must end in a finished read or one of the system's exceptions, and every
// member that is written lands inside the drive map of the run.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <random>
#include <string>

#include "base/exceptions.h"
#include "config/object_reader.h"
#include "install/file_group.h"
#include "install/files_manager.h"
#include "install/hooks.h"
#include "install/install_classes.h"
#include "library/library_classes.h"
#include "streams/memory_stream.h"
#include "streams/virt_stream.h"

namespace {

// The drive map's root, alone in a folder of its own so that an escape upwards shows.
std::filesystem::path Root() {
  static const std::filesystem::path root = [] {
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() /
        ("cdrun-group-fuzz-" + std::to_string(std::random_device()())) / "root";
    std::filesystem::create_directories(path);
    setenv("CDRUN_ROOT", path.c_str(), 1);
    return path;
  }();
  return root;
}

cd::TFilesManager& Manager() {
  static cd::TFilesManager* manager = [] {
    cd::RegisterLibraryClasses();
    cd::RegisterInstallClasses();
    cd::OnShowMessage() = [](const std::string&) {};
    auto* created = new cd::TFilesManager(nullptr);
    created->Targets().Add("Disk=C:\\disk\\");
    return created;
  }();
  return *manager;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::filesystem::path root = Root();
  cd::TFilesManager& manager = Manager();
  try {
    cd::TVirtStream stream(std::make_unique<cd::TMemoryStream>(
        std::string(reinterpret_cast<const char*>(data), size)));
    const std::string binary = stream.ReadRest();
    cd::TFileGroup group(nullptr);
    group.SetFilesManagerLink(&manager);
    cd::TObjectReader(binary).ReadRootInto(group);
  } catch (const cd::EAbort&) {
  } catch (const cd::Exception&) {
  }
  for (const auto& entry : std::filesystem::directory_iterator(root.parent_path()))
    if (entry.path() != root) std::abort();
  std::error_code ignored;
  std::filesystem::remove_all(root / "drive_c" / "disk", ignored);
  return 0;
}
