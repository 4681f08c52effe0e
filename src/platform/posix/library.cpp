// Libraries on POSIX: ELF shared objects through dlopen.
#include "platform/library.h"

#include <dlfcn.h>

#include <fstream>

#include "platform/files.h"
#include "platform/posix/host_path.h"

namespace cd::os {
namespace {

void SetError(std::string* error, const std::string& text) {
  if (error) *error = text;
}

// Why the file cannot be a library of this system; empty when it starts like an ELF object.
std::string FormatProblem(const std::string& host) {
  std::ifstream in(host, std::ios::binary);
  if (!in) return "the file cannot be opened";
  char magic[4] = {};
  in.read(magic, 4);
  if (in.gcount() >= 2 && magic[0] == 'M' && magic[1] == 'Z') {
    return "a Windows library cannot be loaded on this system";
  }
  if (in.gcount() == 4 && magic[0] == 0x7F && magic[1] == 'E' && magic[2] == 'L' &&
      magic[3] == 'F') {
    return "";
  }
  return "the file is not a shared library";
}

}  // namespace

std::unique_ptr<Library> Library::Load(const std::string& path, std::string* error) {
  std::string host;
  if (!posix::ResolveHostPath(path, &host)) {
    SetError(error, "Cannot load \"" + path + "\": the drive is not mapped");
    return nullptr;
  }
  const std::string problem = FormatProblem(host);
  if (!problem.empty()) {
    SetError(error, "Cannot load \"" + path + "\": " + problem);
    return nullptr;
  }
  void* handle = dlopen(host.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle) {
    const char* reason = dlerror();
    SetError(error, "Cannot load \"" + path + "\": " + (reason ? reason : "unknown reason"));
    return nullptr;
  }
  return std::unique_ptr<Library>(new Library(handle));
}

Library::~Library() {
  dlclose(handle_);
}

void* Library::Entry(const std::string& name) const {
  return dlsym(handle_, name.c_str());
}

RegisterServerResult CallDllServerEntry(const std::string& path, const std::string& entryName,
                                        int32_t* hresult, std::string* error) {
  auto library = Library::Load(path, error);
  if (!library) return RegisterServerResult::CannotLoad;
  using RegisterEntry = int32_t (*)();
  auto entry = reinterpret_cast<RegisterEntry>(library->Entry(entryName));
  if (!entry) {
    SetError(error, "\"" + path + "\" has no entry " + entryName);
    return RegisterServerResult::NoEntry;
  }
  const int32_t result = entry();
  if (hresult) *hresult = result;
  if (result == 0) return RegisterServerResult::Registered;
  SetError(error, entryName + " of \"" + path + "\" failed");
  return RegisterServerResult::EntryFailed;
}

}  // namespace cd::os

namespace cd::os {

RegisterServerResult CallDllRegisterServer(const std::string& path, int32_t* hresult,
                                           std::string* error) {
  return CallDllServerEntry(path, "DllRegisterServer", hresult, error);
}

}  // namespace cd::os
