// Processes over CreateProcessA, WaitForSingleObject, GetExitCodeProcess and WinExec.
#include "platform/process.h"

#include <windows.h>

#include <vector>

#include "platform/messages.h"
#include "platform/win32/win_error.h"

namespace cd::os {
namespace {

constexpr DWORD kWaitStepMs = 100;

void SetError(std::string* error, const std::string& text) {
  if (error) *error = text;
}

}  // namespace

uint32_t RunProcessAndWait(const std::string& commandLine, const std::function<void()>& tick,
                           std::string* error) {
  std::vector<char> mutableLine(commandLine.begin(), commandLine.end());
  mutableLine.push_back('\0');
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, mutableLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    SetError(error, "Cannot start \"" + commandLine + "\": " + win32::LastErrorText());
    return kProcessCreationFailed;
  }
  CloseHandle(process.hThread);
  DWORD waited;
  do {
    waited = WaitForSingleObject(process.hProcess, kWaitStepMs);
    if (tick) tick();
    ProcessMessages();
  } while (waited == WAIT_TIMEOUT);
  DWORD exitCode = kProcessCreationFailed;
  GetExitCodeProcess(process.hProcess, &exitCode);
  CloseHandle(process.hProcess);
  return exitCode;
}

bool StartProcess(const std::string& commandLine, int showCommand, std::string* error) {
  const UINT result = WinExec(commandLine.c_str(), static_cast<UINT>(showCommand));
  if (result > 31) return true;
  SetError(error, "Cannot start \"" + commandLine + "\": " + win32::ErrorText(result));
  return false;
}

}  // namespace cd::os
