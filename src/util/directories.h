// Deleting directory trees (os::ForceDirectories creates directory chains).
#pragma once

#include <string>

namespace cd {

// Deletes every file and subdirectory tree inside dir ("C:\dir\"), the entries of dir on up
// to jobs threads. Files that cannot be deleted stay. Links inside are removed themselves;
// what they point to is never touched.
void DeleteDirectoryContents(const std::string& dir, unsigned jobs = 1);

// Deletes the contents of dir, then dir itself; fails naming the directory and the reason
// when it still exists and cannot be removed.
void DeleteDirectoryTree(const std::string& dir);

}  // namespace cd
