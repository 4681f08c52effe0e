// Libraries over LoadLibraryA, GetProcAddress and FreeLibrary.
#include "platform/library.h"

#include <windows.h>

#include "platform/win32/win_error.h"

namespace cd::os {
namespace {

void SetError(std::string* error, const std::string& text) {
  if (error) *error = text;
}

}  // namespace

std::unique_ptr<Library> Library::Load(const std::string& path, std::string* error) {
  HMODULE module = LoadLibraryA(path.c_str());
  if (!module) {
    SetError(error, "Cannot load \"" + path + "\": " + win32::LastErrorText());
    return nullptr;
  }
  return std::unique_ptr<Library>(new Library(module));
}

Library::~Library() {
  FreeLibrary(static_cast<HMODULE>(handle_));
}

void* Library::Entry(const std::string& name) const {
  return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle_), name.c_str()));
}

RegisterServerResult CallDllServerEntry(const std::string& path, const std::string& entryName,
                                        int32_t* hresult, std::string* error) {
  auto library = Library::Load(path, error);
  if (!library) return RegisterServerResult::CannotLoad;
  using RegisterEntry = HRESULT(STDAPICALLTYPE*)();
  auto entry = reinterpret_cast<RegisterEntry>(library->Entry(entryName));
  if (!entry) {
    SetError(error, "\"" + path + "\" has no entry " + entryName);
    return RegisterServerResult::NoEntry;
  }
  const HRESULT result = entry();
  if (hresult) *hresult = static_cast<int32_t>(result);
  if (result == S_OK) return RegisterServerResult::Registered;
  SetError(error, entryName + " of \"" + path + "\" failed: " + win32::ErrorText(result));
  return RegisterServerResult::EntryFailed;
}

}  // namespace cd::os

namespace cd::os {

RegisterServerResult CallDllRegisterServer(const std::string& path, int32_t* hresult,
                                           std::string* error) {
  return CallDllServerEntry(path, "DllRegisterServer", hresult, error);
}

}  // namespace cd::os
