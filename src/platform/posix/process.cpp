// Processes on POSIX: Windows command lines started with posix_spawn through the drive map.
#include "platform/process.h"

#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <fstream>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/command_line.h"
#include "platform/messages.h"
#include "platform/paths.h"
#include "platform/posix/host_path.h"
#include "platform/posix/posix_file.h"
#include "platform/posix/timer_service.h"

extern char** environ;

namespace cd::os {
namespace {

constexpr auto kWaitStep = std::chrono::milliseconds(100);
constexpr auto kPollSlice = std::chrono::milliseconds(5);

bool IsRegularFile(const std::string& host) {
  struct stat st {};
  return stat(host.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

// The host file of a program name; ".exe" is tried when the name has no extension.
bool FindProgram(const std::string& name, std::string* host) {
  if (posix::ResolveHostPath(name, host) && IsRegularFile(*host)) return true;
  return ExtractFileExt(name).empty() && posix::ResolveHostPath(name + ".exe", host) &&
         IsRegularFile(*host);
}

bool IsWindowsProgram(const std::string& host) {
  std::ifstream in(host, std::ios::binary);
  char magic[2] = {};
  return in.read(magic, 2) && magic[0] == 'M' && magic[1] == 'Z';
}

// Starts the command line; the process id, or -1 with the reason in *error.
pid_t Spawn(const std::string& commandLine, std::string* error) {
  const ProgramAndArguments parts = SplitProgram(commandLine, [](const std::string& name) {
    std::string h;
    return FindProgram(name, &h);
  });
  if (parts.program.empty()) {
    *error = "Cannot start \"" + commandLine + "\": no program named";
    return -1;
  }
  std::string host;
  const bool found = FindProgram(parts.program, &host);
  const bool searchPath = !found && parts.program.find_first_of("\\/:") == std::string::npos;
  if (!found && !searchPath) {
    *error = "Cannot start \"" + commandLine + "\": " + posix::SystemReason(ENOENT);
    return -1;
  }
  if (found && IsWindowsProgram(host)) {
    *error = "Cannot start \"" + commandLine + "\": a Windows program cannot run on this system";
    return -1;
  }
  const std::string file = found ? host : parts.program;
  std::vector<std::string> args = SplitArguments(parts.arguments);
  args.insert(args.begin(), file);
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  pid_t pid = -1;
  const int rc = searchPath
                     ? posix_spawnp(&pid, file.c_str(), nullptr, nullptr, argv.data(), environ)
                     : posix_spawn(&pid, file.c_str(), nullptr, nullptr, argv.data(), environ);
  if (rc != 0) {
    *error = "Cannot start \"" + commandLine + "\": " + posix::SystemReason(rc);
    return -1;
  }
  return pid;
}

// Waits at most one step for the process; true with *status set when it has ended.
bool WaitStep(pid_t pid, int* status) {
  const auto end = std::chrono::steady_clock::now() + kWaitStep;
  for (;;) {
    const pid_t got = waitpid(pid, status, WNOHANG);
    if (got == pid || (got < 0 && errno != EINTR)) return true;
    const auto now = std::chrono::steady_clock::now();
    if (now >= end) return false;
    // The system timer keeps running while the process is awaited.
    posix::ServiceSystemTimer();
    const int sliceMs = posix::SystemTimerSleepMs(static_cast<int>(kPollSlice.count()));
    std::this_thread::sleep_for(std::chrono::milliseconds(sliceMs));
  }
}

// Processes started without waiting; reaped when they have ended, so none lingers as a zombie.
void ReapStarted(pid_t newPid) {
  static std::mutex mutex;
  static std::vector<pid_t> started;
  std::lock_guard<std::mutex> lock(mutex);
  std::erase_if(started, [](pid_t pid) { return waitpid(pid, nullptr, WNOHANG) != 0; });
  if (newPid > 0) started.push_back(newPid);
}

}  // namespace

uint32_t RunProcessAndWait(const std::string& commandLine, const std::function<void()>& tick,
                           std::string* error) {
  std::string reason;
  const pid_t pid = Spawn(commandLine, &reason);
  if (pid < 0) {
    if (error) *error = reason;
    return kProcessCreationFailed;
  }
  int status = 0;
  bool ended;
  do {
    ended = WaitStep(pid, &status);
    if (tick) tick();
    ProcessMessages();
  } while (!ended);
  if (WIFSIGNALED(status)) return 128 + static_cast<uint32_t>(WTERMSIG(status));
  return static_cast<uint32_t>(WEXITSTATUS(status));
}

bool StartProcess(const std::string& commandLine, int, std::string* error) {
  std::string reason;
  const pid_t pid = Spawn(commandLine, &reason);
  ReapStarted(pid);
  if (pid > 0) return true;
  if (error) *error = reason;
  return false;
}

}  // namespace cd::os
