// The temporary copy over CopyFileA and CreateProcessA: the copy inherits the writing end of
// a pipe, on which it hands back its exit code, and a handle of the starting process, whose
// end it waits for.
#include "platform/program_copy.h"

#include <windows.h>

#include <charconv>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/command_line.h"
#include "platform/files.h"
#include "platform/win32/win_error.h"

namespace cd::os {
namespace {

constexpr const char* kCopyPrefix = "cdrun-removal-";

std::string TemporaryFolder() {
  char folder[MAX_PATH + 1] = {};
  const DWORD length = GetTempPathA(sizeof folder, folder);
  return length > 0 && length < sizeof folder ? std::string(folder, length) : std::string();
}

// The copies of earlier handovers, each alone in its folder: a copy that still runs refuses
// to go and stays.
void DeleteEarlierCopies(const std::string& folder) {
  for (const std::string& name : ListDirectory(folder, std::string(kCopyPrefix) + "*")) {
    const std::string copyFolder = folder + name + "\\";
    for (const std::string& file : ListDirectory(copyFolder, "*"))
      ::DeleteFileA((copyFolder + file).c_str());
    ::RemoveDirectoryA(copyFolder.c_str());
  }
}

std::string HandleText(HANDLE handle) {
  return std::to_string(reinterpret_cast<uintptr_t>(handle));
}

// A handle written by HandleText; nullptr when text is no such number.
HANDLE ParseHandle(std::string_view text) {
  uintptr_t value = 0;
  const auto [end, failure] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (failure != std::errc() || end != text.data() + text.size()) return nullptr;
  return reinterpret_cast<HANDLE>(value);
}

// What the copy wrote on the pipe until it closed it.
std::string ReadToEnd(HANDLE reader) {
  std::string text;
  char buffer[32];
  DWORD got = 0;
  while (text.size() < 64 && ReadFile(reader, buffer, sizeof buffer, &got, nullptr) && got > 0)
    text.append(buffer, got);
  return text;
}

}  // namespace

bool RunningProgramCanBeDeleted() {
  return false;
}

std::optional<uint32_t> RunTemporaryCopy(const std::string& handoverSwitch, std::string* error) {
  auto fail = [error](const std::string& text) {
    if (error) *error = text;
    return std::nullopt;
  };
  const std::string folder = TemporaryFolder();
  if (folder.empty())
    return fail("Cannot find the folder for temporary files: " + win32::LastErrorText());
  DeleteEarlierCopies(folder);
  const std::string program = ProgramPath();
  // The copy keeps the program's file name, which titles its message boxes.
  const std::string copyFolder =
      folder + kCopyPrefix + std::to_string(GetCurrentProcessId()) + "\\";
  const std::string copy = copyFolder + program.substr(program.find_last_of('\\') + 1);
  if (!CreateDirectoryA(copyFolder.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
    return fail("Cannot create the folder \"" + copyFolder + "\": " + win32::LastErrorText());
  if (!CopyFileA(program.c_str(), copy.c_str(), FALSE))
    return fail("Cannot copy \"" + program + "\" to \"" + copy + "\": " + win32::LastErrorText());

  SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
  HANDLE reader = nullptr, writer = nullptr, self = nullptr;
  if (!CreatePipe(&reader, &writer, &inherited, 0))
    return fail("Cannot hand the removal over: " + win32::LastErrorText());
  SetHandleInformation(reader, HANDLE_FLAG_INHERIT, 0);
  DuplicateHandle(GetCurrentProcess(), GetCurrentProcess(), GetCurrentProcess(), &self,
                  SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, TRUE, 0);
  const std::string arguments = SplitProgram(GetCommandLineA(), [](const std::string& name) {
                                  return FileExists(name);
                                }).arguments;
  std::string line = "\"" + copy + "\" " + arguments + " " + handoverSwitch + "=" +
                     HandleText(writer) + "," + HandleText(self);
  std::vector<char> mutableLine(line.begin(), line.end());
  mutableLine.push_back('\0');
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  const bool started = CreateProcessA(nullptr, mutableLine.data(), nullptr, nullptr, TRUE, 0,
                                      nullptr, nullptr, &startup, &process);
  const std::string reason = started ? std::string() : win32::LastErrorText();
  // Only the copy holds the writing end now: the pipe ends when the copy closes it or ends.
  CloseHandle(writer);
  if (self) CloseHandle(self);
  if (!started) {
    CloseHandle(reader);
    ::DeleteFileA(copy.c_str());
    ::RemoveDirectoryA(copyFolder.c_str());
    return fail("Cannot start \"" + copy + "\": " + reason);
  }
  CloseHandle(process.hThread);
  const std::string handedBack = ReadToEnd(reader);
  CloseHandle(reader);
  uint32_t code = 0;
  const auto [end, failure] =
      std::from_chars(handedBack.data(), handedBack.data() + handedBack.size(), code);
  if (handedBack.empty() || failure != std::errc() ||
      end != handedBack.data() + handedBack.size()) {
    // The copy ended without handing a code back: its own exit code tells how it went.
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD exitCode = 1;
    GetExitCodeProcess(process.hProcess, &exitCode);
    code = exitCode;
  }
  CloseHandle(process.hProcess);
  return code;
}

bool HandBackExitCode(const std::string& handover, uint32_t exitCode, int ms) {
  const size_t comma = handover.find(',');
  if (comma == std::string::npos) return false;
  HANDLE pipe = ParseHandle(std::string_view(handover).substr(0, comma));
  HANDLE starter = ParseHandle(std::string_view(handover).substr(comma + 1));
  // Only a pipe and a process are taken: a value that names another handle of this process
  // (a file it writes) is refused.
  if (!pipe || !starter || GetFileType(pipe) != FILE_TYPE_PIPE || GetProcessId(starter) == 0)
    return false;
  const std::string text = std::to_string(exitCode);
  DWORD written = 0;
  const bool handedBack =
      WriteFile(pipe, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
      written == text.size();
  CloseHandle(pipe);
  if (handedBack) WaitForSingleObject(starter, static_cast<DWORD>(ms));
  CloseHandle(starter);
  return handedBack;
}

bool DeleteProgramFileAtRestart() {
  const std::string program = ProgramPath();
  const std::string folder = program.substr(0, program.find_last_of('\\'));
  if (!MoveFileExA(program.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT)) return false;
  // The folder of a temporary copy goes after the copy, then empty.
  if (folder.find(kCopyPrefix, folder.find_last_of('\\') + 1) != std::string::npos)
    MoveFileExA(folder.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
  return true;
}

}  // namespace cd::os
