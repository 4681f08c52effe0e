// Turning Windows paths into host paths through the drive map. Internal to the POSIX layer.
#pragma once

#include <sys/stat.h>

#include <optional>
#include <string>

namespace cd::os::posix {

// The host path of a Windows path: "C:\dir\file" and "c:/dir/file" through the drive map,
// "\dir" on drive C:, relative names against the current directory, and an absolute host
// path ("/...") unchanged. "." and ".." are resolved by name and never climb above a drive's
// root. A component whose exact name is missing matches an existing entry that differs only
// in letter case. Returns false for an unmapped drive, a UNC name or an empty path. When
// missing is given, it tells whether the search found that the path names nothing. When entry
// is given and the search asked the system about the result itself, it gets that answer
// (lstat's), which spares the caller asking again.
bool ResolveHostPath(const std::string& path, std::string* host, bool* missing = nullptr,
                     std::optional<struct stat>* entry = nullptr);
// Whether anything has this host name (lstat: a link counts as itself).
bool EntryExists(const std::string& path);
// The folder above a host path, without a trailing "/"; "/" for the root and its entries.
std::string ParentFolder(const std::string& folder);

// The host path a drive path, a relative path or a host path names when every component
// exists as written, found without asking the system for more than the current folder; false
// for other paths (UNC, with "." or "..", on an unmapped drive).
bool ExactHostPath(const std::string& path, std::string* host);

}  // namespace cd::os::posix
