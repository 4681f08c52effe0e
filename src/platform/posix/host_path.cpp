// Drive paths to host paths, with the case-insensitive matching of missing components.
#include "platform/posix/host_path.h"

#include <errno.h>
#include <sys/stat.h>
#include <unistd.h>

#include <vector>

#include "platform/files.h"
#include "platform/paths.h"
#include "platform/posix/drive_table.h"
#include "platform/posix/folder_names.h"
#include "util/exceptions.h"

namespace cd::os {
namespace posix {
namespace {

bool EntryExists(const std::string& path) {
  struct stat st {};
  return lstat(path.c_str(), &st) == 0;
}

std::string ParentFolder(const std::string& folder) {
  const size_t slash = folder.find_last_of('/');
  if (slash == std::string::npos || slash == 0) return "/";
  return folder.substr(0, slash);
}

// Appends the components to base, resolving "." and ".." and letter case on the way.
std::string ResolveUnder(std::string base, const std::vector<std::string>& parts,
                         bool mayClimbAboveBase) {
  std::vector<std::string> stack;
  for (const std::string& part : parts) {
    if (part == ".") continue;
    if (part == "..") {
      if (!stack.empty()) {
        stack.pop_back();
      } else if (mayClimbAboveBase) {
        base = ParentFolder(base);
      }
      continue;
    }
    stack.push_back(part);
  }
  std::string host = base == "/" ? "" : base;
  bool missing = false;
  for (const std::string& part : stack) {
    std::string name = part;
    if (!missing && !EntryExists(host + "/" + part)) {
      missing = !FindCaseVariant(host, part, &name);
    }
    host += "/" + name;
  }
  return host.empty() ? "/" : host;
}

std::string CurrentDirectory() {
  std::vector<char> buffer(4096);
  while (!getcwd(buffer.data(), buffer.size())) {
    if (errno != ERANGE) return "/";
    buffer.resize(buffer.size() * 2);
  }
  return buffer.data();
}

int DriveIndex(char letter) {
  return (letter >= 'a' && letter <= 'z') ? letter - 'a' : letter - 'A';
}

}  // namespace

bool ResolveHostPath(const std::string& path, std::string* host) {
  if (path.empty()) return false;
  if (path[0] == '/') {
    *host = path;
    return true;
  }
  if (path.size() >= 2 && path[0] == '\\' && path[1] == '\\') return false;
  std::string base;
  std::string rest = path;
  if (IsDrivePath(path) || path[0] == '\\') {
    const char letter = path[0] == '\\' ? 'C' : path[0];
    base = CurrentDrives()[DriveIndex(letter)];
    if (base.empty()) return false;
    if (path[0] != '\\') rest = path.substr(2);
    *host = ResolveUnder(base, SplitPathComponents(rest), false);
    return true;
  }
  *host = ResolveUnder(CurrentDirectory(), SplitPathComponents(rest), true);
  return true;
}

}  // namespace posix

std::string HostPath(const std::string& path) {
  std::string host;
  if (!posix::ResolveHostPath(path, &host)) {
    throw Exception("Cannot find \"" + path + "\" on this system: the drive is not mapped");
  }
  return host;
}

}  // namespace cd::os
