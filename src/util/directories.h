// Creating directory chains and deleting directory trees.
#pragma once

#include <string>

namespace cd {

// Creates the directory and every missing parent. An empty name fails with "Unable to create
// directory"; a bare drive ("C:", "C:\") does nothing; a level that cannot be created is not
// reported (the caller finds out when it uses the directory).
void ForceDirectories(const std::string& dir);

// Deletes every file and subdirectory tree inside dir ("C:\dir\"). Files that cannot be
// deleted stay. Links inside are removed themselves; what they point to is never touched.
void DeleteDirectoryContents(const std::string& dir);

// Deletes the contents of dir, then dir itself; fails naming the directory and the reason
// when it still exists and cannot be removed.
void DeleteDirectoryTree(const std::string& dir);

}  // namespace cd
