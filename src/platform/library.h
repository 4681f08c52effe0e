// Dynamic libraries and the self-registration entry "DllRegisterServer". On POSIX only ELF
// shared objects load (dlopen); a Windows DLL is refused with a clear reason.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace cd::os {

class Library {
 public:
  // Loads the library (LoadLibraryA); nothing, with the reason in error when given, when it
  // cannot be loaded.
  static std::unique_ptr<Library> Load(const std::string& path, std::string* error = nullptr);
  ~Library();  // unloads it (FreeLibrary)
  Library(const Library&) = delete;
  Library& operator=(const Library&) = delete;

  // The address of an exported entry (GetProcAddress); null when there is none.
  void* Entry(const std::string& name) const;

 private:
  explicit Library(void* handle) : handle_(handle) {}
  void* handle_;
};

enum class RegisterServerResult { Registered, CannotLoad, NoEntry, EntryFailed };

// Loads the library, looks up "DllRegisterServer", calls it without arguments and unloads the
// library. Registered when it returned 0 (S_OK); otherwise what failed, with the entry's
// result in hresult and the reason in error when given.
RegisterServerResult CallDllRegisterServer(const std::string& path, int32_t* hresult = nullptr,
                                           std::string* error = nullptr);
// The same for any entry without arguments that returns an HRESULT ("DllUnregisterServer").
RegisterServerResult CallDllServerEntry(const std::string& path, const std::string& entryName,
                                        int32_t* hresult = nullptr, std::string* error = nullptr);

}  // namespace cd::os
