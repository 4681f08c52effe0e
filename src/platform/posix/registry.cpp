// The registry on POSIX: one text file under the drive map, read and replaced as a whole.
#include "platform/registry.h"

#include <mutex>

#include "base/exceptions.h"
#include "platform/files.h"
#include "platform/registry_text.h"
#include "platform/replace_file.h"
#include "platform/system_dirs.h"

namespace cd::os {
namespace {

std::mutex& FileMutex() {
  static std::mutex mutex;
  return mutex;
}

std::string RegistryFile() {
  return WindowsDirectory() + "\\cdrun-registry.reg";
}

std::string RootName(RegistryRoot root) {
  switch (root) {
    case RegistryRoot::ClassesRoot:
      return "HKEY_CLASSES_ROOT";
    case RegistryRoot::CurrentUser:
      return "HKEY_CURRENT_USER";
    case RegistryRoot::LocalMachine:
      return "HKEY_LOCAL_MACHINE";
    case RegistryRoot::Users:
      return "HKEY_USERS";
  }
  return "HKEY_LOCAL_MACHINE";
}

std::string FullKey(RegistryRoot root, const std::string& key) {
  const std::string path = NormalKeyPath(key);
  return path.empty() ? RootName(root) : RootName(root) + "\\" + path;
}

SectionedText LoadKeys() {
  const std::string file = RegistryFile();
  if (!FileExists(file)) return {};
  return ParseRegistryText(ReadWholeFile(file));
}

}  // namespace

bool WriteRegistryString(RegistryRoot root, const std::string& key, const std::string& name,
                         const std::string& value) {
  std::lock_guard<std::mutex> lock(FileMutex());
  try {
    SectionedText keys = LoadKeys();
    keys.Set(FullKey(root, key), name, value);
    ReplaceFileAtomically(RegistryFile(), FormatRegistryText(keys));
    return true;
  } catch (const Exception&) {
    return false;
  }
}

std::optional<std::string> ReadRegistryString(RegistryRoot root, const std::string& key,
                                              const std::string& name) {
  std::lock_guard<std::mutex> lock(FileMutex());
  try {
    return LoadKeys().Get(FullKey(root, key), name);
  } catch (const Exception&) {
    return std::nullopt;
  }
}

}  // namespace cd::os
