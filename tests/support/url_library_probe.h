// Checks for tests that a program run leaves the URL library alone: whether the library is in
// the process, and a way to run one test of this test program in a fresh process.
#pragma once

#include <string>

namespace cd::test {

// Windows: URLMON.DLL is mapped into the process or was loaded by the platform layer.
// Elsewhere: the platform layer has set libcurl up.
bool UrlLibraryInProcess();

// Runs this test program again with --gtest_filter=filter; returns its exit code.
int RunThisTestProgram(const std::string& filter);

// True when this process was started by RunThisTestProgram with exactly that filter.
bool RunAsChild(const std::string& filter);

}  // namespace cd::test
