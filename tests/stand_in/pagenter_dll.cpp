// The stand-in player as an in-process COM server: its class factory, and its registration
// as "pgt2.Pagenter" in the classes root. What it answers comes from the environment of the
// process that loads it (CD_STAND_IN_ROOT, _CARD, _TRACE, _POLLS, _READY_SIGNAL), so that a
// test sets it before the object is made.
#include <windows.h>

#include <atomic>
#include <string>

#include "stand_in/pagenter_com.h"
#include "stand_in/stand_in_clsid.h"

namespace {

using cd::test::StandInSetup;

HMODULE g_module = nullptr;
std::atomic<long> g_objects{0};

std::string Environment(const char* name) {
  char value[1024];
  const DWORD n = GetEnvironmentVariableA(name, value, sizeof value);
  return n > 0 && n < sizeof value ? std::string(value, n) : std::string();
}

StandInSetup SetupFromEnvironment() {
  StandInSetup setup;
  setup.root = Environment("CD_STAND_IN_ROOT");
  setup.cardFile = Environment("CD_STAND_IN_CARD");
  setup.trace = Environment("CD_STAND_IN_TRACE");
  const std::string polls = Environment("CD_STAND_IN_POLLS");
  if (!polls.empty()) setup.pollsUntilReady = std::stoi(polls);
  setup.readySignal = Environment("CD_STAND_IN_READY_SIGNAL") == "1";
  return setup;
}

class Factory : public IClassFactory {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IClassFactory)) {
      *out = this;
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    IUnknown* object = nullptr;
    try {
      object = cd::test::NewStandInPagenter(SetupFromEnvironment());
    } catch (...) {
      return E_FAIL;
    }
    const HRESULT result = object->QueryInterface(iid, out);
    object->Release();
    return result;
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override {
    g_objects += lock ? 1 : -1;
    return S_OK;
  }
};

Factory g_factory;

bool SetValue(const std::string& key, const char* name, const std::string& value) {
  HKEY handle = nullptr;
  if (RegCreateKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &handle,
                      nullptr) != ERROR_SUCCESS)
    return false;
  const LONG result =
      RegSetValueExA(handle, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                     static_cast<DWORD>(value.size() + 1));
  RegCloseKey(handle);
  return result == ERROR_SUCCESS;
}

}  // namespace

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) g_module = instance;
  return TRUE;
}

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, LPVOID* out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (!IsEqualCLSID(clsid, cd::test::kStandInClsid)) return CLASS_E_CLASSNOTAVAILABLE;
  return g_factory.QueryInterface(iid, out);
}

STDAPI DllCanUnloadNow() {
  return S_FALSE;  // the cards handed out may outlive every player object
}

STDAPI DllRegisterServer() {
  char path[MAX_PATH];
  const DWORD n = GetModuleFileNameA(g_module, path, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return E_FAIL;
  const std::string clsid = cd::test::kStandInClsidText;
  const std::string classKey = "CLSID\\" + clsid;
  const bool written =
      SetValue(std::string(cd::test::kStandInProgId) + "\\CLSID", nullptr, clsid) &&
      SetValue(classKey, nullptr, "Stand-in course player") &&
      SetValue(classKey + "\\InprocServer32", nullptr, path) &&
      SetValue(classKey + "\\InprocServer32", "ThreadingModel", "Apartment") &&
      SetValue(classKey + "\\ProgID", nullptr, cd::test::kStandInProgId);
  return written ? S_OK : E_FAIL;
}

STDAPI DllUnregisterServer() {
  RegDeleteTreeA(HKEY_CLASSES_ROOT, cd::test::kStandInProgId);
  RegDeleteTreeA(HKEY_CLASSES_ROOT, (std::string("CLSID\\") + cd::test::kStandInClsidText).c_str());
  return S_OK;
}
