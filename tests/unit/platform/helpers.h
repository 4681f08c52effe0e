// Where the platform tests find their helper programs and libraries: beside the test program.
#pragma once

#include <string>

#include "platform/files.h"

namespace cd::test {

// The child program (see helpers/child.cpp), as a Windows path.
inline std::string ChildProgram() {
#ifdef _WIN32
  return os::ProgramFolder() + "cd_test_child.exe";
#else
  return os::ProgramFolder() + "cd_test_child";
#endif
}

// One of the self-registering libraries: kind "ok", "fail" or "none".
inline std::string RegisterLibrary(const std::string& kind) {
#ifdef _WIN32
  return os::ProgramFolder() + "cd_test_register_" + kind + ".dll";
#else
  return os::ProgramFolder() + "cd_test_register_" + kind + ".so";
#endif
}

}  // namespace cd::test
