// The registry on POSIX: one text file under the drive map, read and replaced as a whole.
#include "platform/registry.h"

#include <cctype>
#include <mutex>
#include <string>

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

// Key paths compare without regard to ASCII letter case, as the system's do.
bool SameKey(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
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

bool WriteRegistryNumber(RegistryRoot root, const std::string& key, const std::string& name,
                         uint32_t value) {
  return WriteRegistryString(root, key, name, std::to_string(value));
}

bool DeleteRegistryKey(RegistryRoot root, const std::string& key) {
  std::lock_guard<std::mutex> lock(FileMutex());
  try {
    const std::string full = FullKey(root, key);
    const SectionedText keys = LoadKeys();
    SectionedText kept;
    bool found = false;
    for (const SectionedText::Section& section : keys.Sections()) {
      const bool below = section.name.size() > full.size() && section.name[full.size()] == '\\' &&
                         SameKey(section.name.substr(0, full.size()), full);
      if (below || SameKey(section.name, full)) {
        found = true;
        continue;
      }
      kept.AddSection(section.name);
      for (const SectionedText::Entry& entry : section.entries)
        kept.Set(section.name, entry.name, entry.value);
    }
    // A registry without keys is the same as none: the file goes with the last key.
    if (found && kept.Sections().empty()) return DeleteFile(RegistryFile());
    if (found) ReplaceFileAtomically(RegistryFile(), FormatRegistryText(kept));
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
