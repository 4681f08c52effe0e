// cdrun ended with TerminateProcess in the middle of copying a large file: the file on disk is
// not touched, and the next run completes it and removes the temporary file left beside it.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "program_run.h"
#include "support/host_files.h"
#include "support/temp_dir.h"

namespace cd::test {
namespace {

namespace fs = std::filesystem;

constexpr LONGLONG kSize = 64 << 20;
constexpr const char* kName = "cdtest-interrupted.dat";
const fs::path kVok = "C:\\windows\\Vok";

// The temporary files beside the target.
std::vector<fs::path> TemporaryFiles() {
  std::vector<fs::path> found;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(kVok, ec))
    if (entry.path().filename().string().rfind(std::string(kName) + ".~", 0) == 0)
      found.push_back(entry.path());
  return found;
}

void RemoveTarget() {
  std::error_code ec;
  fs::remove(kVok / kName, ec);
  for (const fs::path& left : TemporaryFiles()) fs::remove(left, ec);
}

// A sparse file of kSize bytes that begins with a mark.
void WriteSource(const std::string& name) {
  HANDLE file = CreateFileA(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  DWORD written = 0;
  WriteFile(file, "mark", 4, &written, nullptr);
  LARGE_INTEGER end;
  end.QuadPart = kSize;
  SetFilePointerEx(file, end, nullptr, FILE_BEGIN);
  SetEndOfFile(file);
  CloseHandle(file);
}

// Waits until the copy has begun (the temporary file has grown) and suspends the program
// there, so that it is ended in the middle of the copy.
bool SuspendInTheMiddle(const PROCESS_INFORMATION& process) {
  for (int i = 0; i < 30000; ++i) {
    const std::vector<fs::path> temporary = TemporaryFiles();
    std::error_code ec;
    if (temporary.size() == 1 && fs::file_size(temporary[0], ec) >= (1u << 20)) {
      SuspendThread(process.hThread);
      return TemporaryFiles().size() == 1;
    }
    if (WaitForSingleObject(process.hProcess, 1) == WAIT_OBJECT_0) return false;  // ended first
  }
  return false;
}

TEST(InterruptedRunTest, AfterTerminateProcessTheNextRunCompletesTheFileAndRemovesTheLeftover) {
  RemoveTarget();
  TempDir dir;
  WriteSource(dir.File(kName));
  std::ofstream(dir.File("run.cfg"), std::ios::binary)
      << "object FilesManager: TFilesManager\n  object TDatumValue\n    Path = '" << kName
      << "'\n    DestSize = " << kSize << "\n    Time = 1344430080\n  end\nend\n";
  const std::string command = "\"" + ProgramPath(CDRUN_EXE) + "\" \"" + dir.File("run.cfg") + "\"";

  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::string line = command;
  ASSERT_TRUE(CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                             &startup, &process));
  const bool suspended = SuspendInTheMiddle(process);
  TerminateProcess(process.hProcess, 1);
  WaitForSingleObject(process.hProcess, 30000);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  ASSERT_TRUE(suspended);
  EXPECT_FALSE(fs::exists(kVok / kName));
  EXPECT_EQ(TemporaryFiles().size(), 1u);

  EXPECT_EQ(RunAndWaitFor(command, 120), 0u);
  std::error_code ec;
  EXPECT_EQ(fs::file_size(kVok / kName, ec), static_cast<uintmax_t>(kSize));
  EXPECT_EQ(ReadHost(kVok / kName).substr(0, 4), "mark");
  EXPECT_EQ(TemporaryFiles(), std::vector<fs::path>{});
  RemoveTarget();
}

}  // namespace
}  // namespace cd::test
