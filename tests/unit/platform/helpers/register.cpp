// A library with a self-registration entry for the platform tests: CD_REGISTER_ok returns 0,
// CD_REGISTER_fail returns E_FAIL, CD_REGISTER_none exports no DllRegisterServer at all.
#include <cstdint>

#ifdef _WIN32
#define CD_EXPORT extern "C" __declspec(dllexport)
#define CD_CALL __stdcall
#else
#define CD_EXPORT extern "C" __attribute__((visibility("default")))
#define CD_CALL
#endif

#if defined(CD_REGISTER_ok)
CD_EXPORT int32_t CD_CALL DllRegisterServer() {
  return 0;
}
#elif defined(CD_REGISTER_fail)
CD_EXPORT int32_t CD_CALL DllRegisterServer() {
  return static_cast<int32_t>(0x80004005u);
}
#else
CD_EXPORT int32_t CD_CALL SomethingElse() {
  return 0;
}
#endif
