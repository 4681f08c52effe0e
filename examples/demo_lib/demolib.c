/* The demo library: a versioned DLL that registers itself. DllRegisterServer records the
   library's path under HKEY_CURRENT_USER\Software\cdrun demo\DemoLib, value "Registered";
   DllUnregisterServer removes the key again. */
#include <windows.h>

static HMODULE self;
static const char kKey[] = "Software\\cdrun demo\\DemoLib";

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
  (void)reserved;
  if (reason == DLL_PROCESS_ATTACH) self = instance;
  return TRUE;
}

HRESULT __stdcall DllRegisterServer(void) {
  char path[MAX_PATH];
  HKEY key;
  DWORD length = GetModuleFileNameA(self, path, sizeof path);
  if (length == 0 || length >= sizeof path) return E_FAIL;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, NULL, 0, KEY_SET_VALUE, NULL, &key, NULL) !=
      ERROR_SUCCESS)
    return E_FAIL;
  LONG result = RegSetValueExA(key, "Registered", 0, REG_SZ, (const BYTE*)path, length + 1);
  RegCloseKey(key);
  return result == ERROR_SUCCESS ? S_OK : E_FAIL;
}

HRESULT __stdcall DllUnregisterServer(void) {
  return RegDeleteKeyA(HKEY_CURRENT_USER, kKey) == ERROR_SUCCESS ? S_OK : S_FALSE;
}
