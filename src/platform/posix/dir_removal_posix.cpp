// Directory removal on POSIX: rmdir for folders, unlink for symbolic links.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/dir_removal.h"
#include "platform/posix/folder_names.h"
#include "platform/posix/host_path.h"

namespace cd::os {

bool IsLink(const std::string& path) {
  std::string host;
  struct stat st {};
  return posix::ResolveHostPath(path, &host) && lstat(host.c_str(), &st) == 0 &&
         S_ISLNK(st.st_mode);
}

bool RemoveDir(const std::string& path, std::string* error) {
  std::string host;
  if (!posix::ResolveHostPath(path, &host)) {
    if (error) *error = "the path lies on no mapped drive";
    return false;
  }
  // Windows names have no trailing separator for the folder itself.
  while (host.size() > 1 && host.back() == '/') host.pop_back();
  struct stat st {};
  const bool link = lstat(host.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
  if ((link ? unlink(host.c_str()) : rmdir(host.c_str())) == 0) {
    posix::NoteEntryRemoved(host);
    return true;
  }
  if (error) *error = std::strerror(errno);
  return false;
}

}  // namespace cd::os
