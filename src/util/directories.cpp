// Directory trees over the platform's file API.
#include "util/directories.h"

#include <vector>

#include "base/exceptions.h"
#include "platform/dir_removal.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "util/format.h"
#include "util/parallel_each.h"

namespace cd {
namespace {

// A link to a folder outside the tree is removed itself, never followed. A file, the usual
// entry, is deleted without a question first; only what cannot be deleted as a file is looked
// at as a folder.
void DeleteEntry(const std::string& path) {
  if (os::DeleteFile(path) || !os::DirectoryExists(path)) return;
  if (os::IsLink(path))
    os::RemoveDir(path);
  else
    DeleteDirectoryTree(path + "\\");
}

}  // namespace

void DeleteDirectoryContents(const std::string& dir, unsigned jobs) {
  const std::string folder = os::IncludeTrailingBackslash(dir);
  const std::vector<std::string> entries = os::ListDirectory(folder, "*");
  ParallelEach(
      entries.size(), jobs, [&](size_t i) { DeleteEntry(folder + entries[i]); }, [](size_t) {});
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
