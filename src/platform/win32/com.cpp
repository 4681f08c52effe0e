// COM objects over CoInitialize, CLSIDFromString, CLSIDFromProgID and CoCreateInstance.
#include "platform/com.h"

#include <objbase.h>
#include <windows.h>

#include <vector>

#include "platform/win32/win_error.h"

namespace cd::os {

struct ComAccess {
  static std::unique_ptr<ComObject> Wrap(void* pointer) {
    return std::unique_ptr<ComObject>(new ComObject(pointer));
  }
};

namespace {

std::wstring Wide(const std::string& text) {
  const int n = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
  std::vector<wchar_t> buffer(n > 0 ? n : 1);
  MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, buffer.data(), n);
  return buffer.data();
}

// COM stays initialised on this thread once it has been used.
void EnsureComInitialised() {
  thread_local bool initialised = false;
  if (initialised) return;
  CoInitialize(nullptr);
  initialised = true;
}

std::unique_ptr<ComObject> Create(const CLSID& clsid, const std::string& what, std::string* error) {
  EnsureComInitialised();
  IUnknown* unknown = nullptr;
  const HRESULT result = CoCreateInstance(clsid, nullptr, CLSCTX_SERVER, IID_IUnknown,
                                          reinterpret_cast<void**>(&unknown));
  if (FAILED(result) || !unknown) {
    if (error)
      *error = "Cannot create an object of class " + what + ": " + win32::ErrorText(result);
    return nullptr;
  }
  return ComAccess::Wrap(unknown);
}

}  // namespace

ComObject::~ComObject() {
  static_cast<IUnknown*>(interface_)->Release();
}

std::unique_ptr<ComObject> ComObject::Query(const std::string& iid) const {
  IID id;
  if (FAILED(IIDFromString(Wide(iid).c_str(), &id))) return nullptr;
  void* other = nullptr;
  if (FAILED(static_cast<IUnknown*>(interface_)->QueryInterface(id, &other)) || !other) {
    return nullptr;
  }
  return ComAccess::Wrap(other);
}

std::unique_ptr<ComObject> CreateComObject(const std::string& classId, std::string* error) {
  CLSID clsid;
  if (FAILED(CLSIDFromString(Wide(classId).c_str(), &clsid))) {
    if (error) *error = "Invalid class identity \"" + classId + "\"";
    return nullptr;
  }
  return Create(clsid, classId, error);
}

std::unique_ptr<ComObject> CreateComObjectFromProgId(const std::string& progId,
                                                     std::string* error) {
  EnsureComInitialised();
  CLSID clsid;
  const HRESULT result = CLSIDFromProgID(Wide(progId).c_str(), &clsid);
  if (FAILED(result)) {
    if (error) *error = "Class \"" + progId + "\" is not installed: " + win32::ErrorText(result);
    return nullptr;
  }
  return Create(clsid, "\"" + progId + "\"", error);
}

bool IsClassInstalled(const std::string& classId) {
  return CreateComObject(classId) != nullptr;
}

}  // namespace cd::os
