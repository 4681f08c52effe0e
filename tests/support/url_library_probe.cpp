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

int RunThisTestProgram(const std::string& filter) {
  std::string command = "\"" + ThisProgram() + "\" --gtest_filter=" + filter;
#ifdef _WIN32
  // cmd.exe drops the outer quotes of a command line that begins with one.
  command = "\"" + command + "\"";
#endif
  const int status = std::system(command.c_str());
#ifdef _WIN32
  return status;
#else
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
}

bool RunAsChild(const std::string& filter) {
  return ::testing::GTEST_FLAG(filter) == filter;
}

}  // namespace cd::test
