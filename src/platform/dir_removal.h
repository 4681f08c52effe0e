// Removing one directory level without ever following a link: what deleting a tree needs
// beyond files.h.
#pragma once

#include <string>

namespace cd::os {

// True when the entry itself is a link (POSIX: a symbolic link; Windows: a reparse point
// such as a junction or a symbolic link), whatever it points to.
bool IsLink(const std::string& path);

// Removes an empty directory, or a link to a directory (only the link, never what it points
// to). False, with the system's reason in error when given, when it cannot be removed.
bool RemoveDir(const std::string& path, std::string* error = nullptr);

}  // namespace cd::os
