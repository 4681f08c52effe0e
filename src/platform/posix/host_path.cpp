// Drive paths to host paths, with the case-insensitive matching of missing components.
#include "platform/posix/host_path.h"

#include <errno.h>
#include <sys/stat.h>
#include <unistd.h>

#include <vector>

#include "base/exceptions.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/posix/drive_table.h"
#include "platform/posix/folder_names.h"

namespace cd::os {
namespace posix {
namespace {

std::string Joined(std::string host, const std::vector<std::string>& parts, size_t count) {
  for (size_t i = 0; i < count; ++i) host += "/" + parts[i];
  return host;
}

// Appends parts[from...] to host, each under the name it has there in any letter case, as
// written once one is missing.
std::string Descend(std::string host, const std::vector<std::string>& parts, size_t from,
                    bool* missing) {
  for (size_t i = from; i < parts.size(); ++i) {
    std::string name = parts[i];
    if (!*missing && !EntryExists(host + "/" + name))
      *missing = !FindCaseVariant(host, name, &name);
    host += "/" + name;
  }
  return host;
}

// Appends the components to base, resolving "." and ".." and letter case on the way; missing
// tells whether the result names nothing (yet).
std::string ResolveUnder(std::string base, const std::vector<std::string>& parts,
                         bool mayClimbAboveBase, bool* missing, std::optional<struct stat>* entry) {
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
  const std::string root = base == "/" ? "" : base;
  *missing = false;
  const std::string exact = Joined(root, stack, stack.size());
  if (stack.empty()) return exact.empty() ? "/" : exact;
  // The name as written is the usual case and costs one question to the system.
  struct stat state {};
  if (lstat(exact.c_str(), &state) == 0) {
    *entry = state;
    return exact;
  }
  // Otherwise the nearest folder on the way whose names are kept answers with one look at its
  // state.
  for (size_t level = stack.size(); level-- > 0;) {
    const std::string folder = Joined(root, stack, level);
    if (!IsKept(folder)) continue;
    std::string name;
    const KeptAnswer answer = LookUpKept(folder, stack[level], &name);
    if (answer == KeptAnswer::Unknown) break;
    if (answer == KeptAnswer::Absent) {
      *missing = true;
      return exact;
    }
    return Descend(folder + "/" + name, stack, level + 1, missing);
  }
  // Otherwise the deepest folder that exists as written, searched from the bottom: a new file
  // usually goes into a folder that is there.
  size_t level = stack.size() - 1;
  struct stat folder {};
  while (level > 0 &&
         !(stat(Joined(root, stack, level).c_str(), &folder) == 0 && S_ISDIR(folder.st_mode))) {
    --level;
  }
  const std::string host = Joined(root, stack, level);
  std::string name = stack[level];
  // Not there as written, or the search from the bottom would have stopped lower.
  *missing = !(level > 0 ? FindCaseVariant(host, folder, name, &name)
                         : FindCaseVariant(host, name, &name));
  return Descend(host + "/" + name, stack, level + 1, missing);
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

bool IsUncPath(const std::string& path) {
  return path.size() >= 2 && path[0] == '\\' && path[1] == '\\';
}

// For a path on a drive ("C:\dir", or "\dir" on drive C:), the drive's host folder (empty
// when the drive is not mapped) and the rest of the path; false for any other path.
bool DrivePart(const std::string& path, std::string* base, std::string* rest) {
  if (IsUncPath(path) || !(IsDrivePath(path) || (!path.empty() && path[0] == '\\'))) return false;
  const char letter = path[0] == '\\' ? 'C' : path[0];
  *base = CurrentDrives()[DriveIndex(letter)];
  *rest = path[0] == '\\' ? path : path.substr(2);
  return true;
}

}  // namespace

bool EntryExists(const std::string& path) {
  struct stat st {};
  return lstat(path.c_str(), &st) == 0;
}

std::string ParentFolder(const std::string& folder) {
  const size_t slash = folder.find_last_of('/');
  if (slash == std::string::npos || slash == 0) return "/";
  return folder.substr(0, slash);
}

bool ResolveHostPath(const std::string& path, std::string* host, bool* missing,
                     std::optional<struct stat>* entry) {
  bool unused = false;
  if (!missing) missing = &unused;
  *missing = false;
  std::optional<struct stat> unknown;
  if (!entry) entry = &unknown;
  entry->reset();
  if (path.empty()) return false;
  if (path[0] == '/') {
    *host = path;
    return true;
  }
  std::string base, rest;
  if (DrivePart(path, &base, &rest)) {
    if (base.empty()) return false;
    *host = ResolveUnder(base, SplitPathComponents(rest), false, missing, entry);
    return true;
  }
  if (IsUncPath(path)) return false;
  *host = ResolveUnder(CurrentDirectory(), SplitPathComponents(path), true, missing, entry);
  return true;
}

bool ExactHostPath(const std::string& path, std::string* host) {
  if (!path.empty() && path[0] == '/') {
    *host = path;
    return true;
  }
  std::string base, rest;
  if (DrivePart(path, &base, &rest)) {
    if (base.empty()) return false;
  } else if (path.empty() || IsUncPath(path)) {
    return false;
  } else {
    base = CurrentDirectory();
    rest = path;
  }
  const std::vector<std::string> parts = SplitPathComponents(rest);
  for (const std::string& part : parts) {
    if (part == "." || part == "..") return false;
  }
  *host = Joined(base == "/" ? "" : base, parts, parts.size());
  if (host->empty()) *host = "/";
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
