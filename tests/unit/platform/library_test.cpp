#include "platform/library.h"

#include <gtest/gtest.h>

#include "platform/files.h"
#include "unit/platform/helpers.h"
#include "unit/platform/win_temp.h"

namespace cd::os {
namespace {

using test::RegisterLibrary;

TEST(Library, RegistrationResults) {
  int32_t result = -1;
  EXPECT_EQ(CallDllRegisterServer(RegisterLibrary("ok"), &result),
            RegisterServerResult::Registered);
  EXPECT_EQ(result, 0);
  std::string error;
  EXPECT_EQ(CallDllRegisterServer(RegisterLibrary("fail"), &result, &error),
            RegisterServerResult::EntryFailed);
  EXPECT_EQ(static_cast<uint32_t>(result), 0x80004005u);
  EXPECT_NE(error.find("cd_test_register_fail"), std::string::npos) << error;
  EXPECT_EQ(CallDllRegisterServer(RegisterLibrary("none"), nullptr, &error),
            RegisterServerResult::NoEntry);
  EXPECT_NE(error.find("DllRegisterServer"), std::string::npos) << error;
}

TEST(Library, FilesThatAreNotLibrariesDoNotLoad) {
  test::WinTempDir t;
  std::string error;
  EXPECT_EQ(CallDllRegisterServer(t.Name("missing.dll"), nullptr, &error),
            RegisterServerResult::CannotLoad);
  EXPECT_NE(error.find("missing.dll"), std::string::npos) << error;
  WriteWholeFile(t.Name("text.dll"), "just some text, not a library");
  EXPECT_EQ(CallDllRegisterServer(t.Name("text.dll"), nullptr, &error),
            RegisterServerResult::CannotLoad);
#ifndef _WIN32
  WriteWholeFile(t.Name("win.dll"), std::string("MZ\x90\x00 a Windows library", 21));
  EXPECT_EQ(CallDllRegisterServer(t.Name("win.dll"), nullptr, &error),
            RegisterServerResult::CannotLoad);
  EXPECT_NE(error.find("Windows library"), std::string::npos) << error;
#endif
}

TEST(Library, EntriesAreFoundByName) {
  auto library = Library::Load(RegisterLibrary("none"));
  ASSERT_TRUE(library);
  EXPECT_NE(library->Entry("SomethingElse"), nullptr);
  EXPECT_EQ(library->Entry("DllRegisterServer"), nullptr);
}

}  // namespace
}  // namespace cd::os
