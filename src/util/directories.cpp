// Directory trees over the platform's file API.
#include "util/directories.h"

#include "base/exceptions.h"
#include "platform/dir_removal.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "util/format.h"

namespace cd {

void DeleteDirectoryContents(const std::string& dir) {
  const std::string folder = os::IncludeTrailingBackslash(dir);
  for (const std::string& entry : os::ListDirectory(folder, "*")) {
    const std::string path = folder + entry;
    // A link to a folder outside the tree is removed itself, never followed.
    if (os::IsLink(path) && os::DirectoryExists(path))
      os::RemoveDir(path);
    else if (os::DirectoryExists(path))
      DeleteDirectoryTree(path + "\\");
    else
      os::DeleteFile(path);
  }
}

void DeleteDirectoryTree(const std::string& dir) {
  DeleteDirectoryContents(dir);
  const std::string name = os::ExcludeTrailingBackslash(dir);
  if (!os::DirectoryExists(name)) return;
  std::string reason;
  if (!os::RemoveDir(name, &reason))
    throw Exception(Format("Cannot remove directory \"%s\": %s", {name, reason}));
}

}  // namespace cd
