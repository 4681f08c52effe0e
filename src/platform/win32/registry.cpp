// String values in the registry over advapi32.
#include "platform/registry.h"

#include <windows.h>

namespace cd::os {
namespace {

HKEY RootKey(RegistryRoot root) {
  switch (root) {
    case RegistryRoot::ClassesRoot:
      return HKEY_CLASSES_ROOT;
    case RegistryRoot::CurrentUser:
      return HKEY_CURRENT_USER;
    case RegistryRoot::LocalMachine:
      return HKEY_LOCAL_MACHINE;
    case RegistryRoot::Users:
      return HKEY_USERS;
  }
  return HKEY_LOCAL_MACHINE;
}

const char* ValueName(const std::string& name) {
  return name.empty() ? nullptr : name.c_str();
}

}  // namespace

bool WriteRegistryString(RegistryRoot root, const std::string& key, const std::string& name,
                         const std::string& value) {
  HKEY opened = nullptr;
  if (RegCreateKeyExA(RootKey(root), key.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                      KEY_SET_VALUE, nullptr, &opened, nullptr) != ERROR_SUCCESS) {
    return false;
  }
  const LONG result = RegSetValueExA(opened, ValueName(name), 0, REG_SZ,
                                     reinterpret_cast<const BYTE*>(value.c_str()),
                                     static_cast<DWORD>(value.size() + 1));
  RegCloseKey(opened);
  return result == ERROR_SUCCESS;
}

bool WriteRegistryNumber(RegistryRoot root, const std::string& key, const std::string& name,
                         uint32_t value) {
  HKEY opened = nullptr;
  if (RegCreateKeyExA(RootKey(root), key.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                      KEY_SET_VALUE, nullptr, &opened, nullptr) != ERROR_SUCCESS) {
    return false;
  }
  const DWORD data = value;
  const LONG result = RegSetValueExA(opened, ValueName(name), 0, REG_DWORD,
                                     reinterpret_cast<const BYTE*>(&data), sizeof data);
  RegCloseKey(opened);
  return result == ERROR_SUCCESS;
}

bool DeleteRegistryKey(RegistryRoot root, const std::string& key) {
  // Named as a subkey, the key itself goes with everything below it.
  const LONG result = RegDeleteTreeA(RootKey(root), key.c_str());
  return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}

std::optional<std::string> ReadRegistryString(RegistryRoot root, const std::string& key,
                                              const std::string& name) {
  HKEY opened = nullptr;
  if (RegOpenKeyExA(RootKey(root), key.c_str(), 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  DWORD type = 0, size = 0;
  std::string data;
  LONG result = RegQueryValueExA(opened, ValueName(name), nullptr, &type, nullptr, &size);
  if (result == ERROR_SUCCESS && (type == REG_SZ || type == REG_EXPAND_SZ)) {
    data.resize(size);
    result = RegQueryValueExA(opened, ValueName(name), nullptr, &type,
                              reinterpret_cast<BYTE*>(data.data()), &size);
    data.resize(size);
  }
  RegCloseKey(opened);
  if (result != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return std::nullopt;
  while (!data.empty() && data.back() == '\0') data.pop_back();
  return data;
}

}  // namespace cd::os
