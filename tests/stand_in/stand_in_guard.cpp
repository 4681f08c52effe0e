// Installing and removing the stand-in player.
#include "stand_in/stand_in_guard.h"

#include "base/exceptions.h"

#ifdef _WIN32
#include <windows.h>

#include <string>
#else
#include <memory>

#include "platform/automation.h"
#include "stand_in/stand_in_player.h"
#endif

namespace cd::test {

#ifdef _WIN32
namespace {

constexpr const char* kVariables[] = {"CD_STAND_IN_ROOT", "CD_STAND_IN_CARD", "CD_STAND_IN_TRACE",
                                      "CD_STAND_IN_POLLS", "CD_STAND_IN_READY_SIGNAL"};

// Calls the DLL's DllRegisterServer or DllUnregisterServer.
// The build names the DLL by its host path, which Wine finds on drive Z:.
void CallEntry(const char* entry) {
  std::string path = CD_STAND_IN_DLL;
  if (path[0] == '/') path = "Z:" + path;
  for (char& c : path)
    if (c == '/') c = '\\';
  HMODULE module = LoadLibraryA(path.c_str());
  if (!module) throw Exception("Cannot load " + path);
  using Entry = HRESULT(STDAPICALLTYPE*)();
  auto call = reinterpret_cast<Entry>(reinterpret_cast<void*>(GetProcAddress(module, entry)));
  const HRESULT result = call ? call() : E_FAIL;
  FreeLibrary(module);
  if (FAILED(result)) throw Exception(std::string("The stand-in player's ") + entry + " failed");
}

}  // namespace

StandInGuard::StandInGuard(const StandInSetup& setup) {
  const std::string values[] = {setup.root, setup.cardFile, setup.trace,
                                std::to_string(setup.pollsUntilReady),
                                setup.readySignal ? "1" : "0"};
  for (size_t i = 0; i < std::size(kVariables); ++i)
    SetEnvironmentVariableA(kVariables[i], values[i].c_str());
  CallEntry("DllRegisterServer");
}

StandInGuard::~StandInGuard() {
  try {
    CallEntry("DllUnregisterServer");
  } catch (const Exception&) {
    // The registration stays in the test prefix; the next guard writes it again.
  }
  for (const char* variable : kVariables) SetEnvironmentVariableA(variable, nullptr);
}
#else
StandInGuard::StandInGuard(const StandInSetup& setup) {
  os::RegisterLocalAutomationServer("pgt2.Pagenter",
                                    [setup] { return std::make_unique<StandInPlayer>(setup); });
}

StandInGuard::~StandInGuard() {
  os::RegisterLocalAutomationServer("pgt2.Pagenter", {});
}
#endif

}  // namespace cd::test
