// Host paths back to drive paths, and the running program's own path, on POSIX.
#include <unistd.h>

#include <filesystem>
#include <vector>

#include "base/exceptions.h"
#include "platform/drive_map.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/posix/drive_table.h"

namespace cd::os {
namespace {

namespace fs = std::filesystem;

std::string Normal(const fs::path& path) {
  std::string s = fs::absolute(path).lexically_normal().string();
  while (s.size() > 1 && s.back() == '/') s.pop_back();
  return s;
}

// The part of host below folder ("" for the folder itself), or false when outside it.
bool RelativeTo(const std::string& host, const std::string& folder, std::string* rest) {
  if (folder == "/") {
    *rest = host.substr(1);
    return true;
  }
  if (host == folder) {
    rest->clear();
    return true;
  }
  if (host.size() > folder.size() && host.compare(0, folder.size(), folder) == 0 &&
      host[folder.size()] == '/') {
    *rest = host.substr(folder.size() + 1);
    return true;
  }
  return false;
}

std::string DrivePath(char letter, const std::string& rest) {
  std::string path = std::string(1, letter) + ":\\" + rest;
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return path;
}

// The drive path of host through the current table, trying the names as given first and
// then with symbolic links resolved; empty when no drive holds it.
std::string FindOnDrives(const std::string& host) {
  const posix::DriveTable table = posix::CurrentDrives();
  for (bool canonical : {false, true}) {
    std::error_code ec;
    const std::string target = canonical ? Normal(fs::weakly_canonical(host, ec)) : host;
    int best = -1;
    std::string bestRest;
    for (int i = 0; i < 26; ++i) {
      if (table[i].empty()) continue;
      const std::string folder = canonical ? Normal(fs::weakly_canonical(table[i], ec)) : table[i];
      std::string rest;
      if (RelativeTo(target, folder, &rest) && (best < 0 || rest.size() < bestRest.size())) {
        best = i;
        bestRest = rest;
      }
    }
    if (best >= 0) return DrivePath(static_cast<char>('A' + best), bestRest);
  }
  return "";
}

}  // namespace

std::string WindowsPath(const std::string& hostPath) {
  const std::string host = Normal(hostPath);
  std::string found = FindOnDrives(host);
  if (!found.empty()) return found;
  std::error_code ec;
  const std::string folder =
      fs::is_directory(host, ec) ? host : Normal(fs::path(host).parent_path());
  if (posix::MountOnFreeLetter(folder) == 0) {
    throw Exception("Cannot give \"" + hostPath + "\" a drive letter: every letter is in use");
  }
  return FindOnDrives(host);
}

std::string ProgramPath() {
  std::vector<char> buffer(4096);
  for (;;) {
    const ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (n < 0) throw Exception("Cannot find the path of the running program");
    if (static_cast<size_t>(n) < buffer.size()) return WindowsPath(std::string(buffer.data(), n));
    buffer.resize(buffer.size() * 2);
  }
}

std::string ProgramFolder() {
  return ExtractFilePath(ProgramPath());
}

}  // namespace cd::os
