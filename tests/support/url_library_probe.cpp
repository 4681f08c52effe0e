// Finds the URL library in the process and re-runs the test program for checks that need a
// fresh process.
#include "support/url_library_probe.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "platform/url.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/wait.h>
#endif

namespace cd::test {
namespace {

std::string ThisProgram() {
#ifdef _WIN32
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  return path;
#else
  return std::filesystem::read_symlink("/proc/self/exe").string();
#endif
}

}  // namespace

bool UrlLibraryInProcess() {
#ifdef _WIN32
  if (GetModuleHandleA("urlmon.dll")) return true;
#endif
  return os::UrlLibraryLoaded();
}

// On Windows the program is started directly, not through cmd.exe: under Wine, cmd.exe has
// now and then not returned after the program it started had ended.
int RunThisTestProgram(const std::string& filter) {
  std::string command = "\"" + ThisProgram() + "\" --gtest_filter=" + filter;
#ifdef _WIN32
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process))
    return -1;
  // A child that does not end fails the test within a minute instead of its program's timeout.
  const bool ended = WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0;
  if (!ended) {
    ADD_FAILURE() << "the test program run for " << filter << " did not end within 60 s";
    TerminateProcess(process.hProcess, 1);
  }
  DWORD code = 0;
  const bool known = ended && GetExitCodeProcess(process.hProcess, &code) != 0;
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return known ? static_cast<int>(code) : -1;
#else
  const int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
}

bool RunAsChild(const std::string& filter) {
  return ::testing::GTEST_FLAG(filter) == filter;
}

}  // namespace cd::test
