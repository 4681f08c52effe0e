// String values in the registry (advapi32). On POSIX the registry is the text file
// "C:\WINDOWS\cdrun-registry.reg" on the mapped C: drive (format in registry_text.h), replaced
// as a whole on every change.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace cd::os {

enum class RegistryRoot { ClassesRoot, CurrentUser, LocalMachine, Users };

// Opens the key, creating it with its missing parents (RegCreateKeyExA), and sets the string
// value (REG_SZ; an empty name is the key's default value). False when the key cannot be
// opened or the value cannot be written.
bool WriteRegistryString(RegistryRoot root, const std::string& key, const std::string& name,
                         const std::string& value);

// Sets a number value (REG_DWORD). On POSIX, whose registry file holds strings only, the
// value is the number's decimal text.
bool WriteRegistryNumber(RegistryRoot root, const std::string& key, const std::string& name,
                         uint32_t value);

// Deletes the key with its values and every key below it. True when the key is gone, also
// when there was none; false when the system refuses.
bool DeleteRegistryKey(RegistryRoot root, const std::string& key);

// The string value; nothing when the key or value is missing or is not a string.
std::optional<std::string> ReadRegistryString(RegistryRoot root, const std::string& key,
                                              const std::string& name);

}  // namespace cd::os
