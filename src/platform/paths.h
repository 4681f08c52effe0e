// Windows path helpers with Delphi semantics, plus the safety test for relative names taken
// from configurations and group files. Portable: no operating-system headers.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cd::os {

// "X:" followed by anything, X an ASCII letter.
bool IsDrivePath(std::string_view path);

// Everything up to and including the last "\" or ":" (empty when there is none).
std::string ExtractFilePath(std::string_view name);
// Everything after the last "\" or ":".
std::string ExtractFileName(std::string_view name);
// The extension of the last component with its leading "." (empty when there is none).
std::string ExtractFileExt(std::string_view name);
// The name with its extension replaced by ext (which carries its own "."), or ext appended.
std::string ChangeFileExt(std::string_view name, std::string_view ext);
// The path with exactly one trailing "\" added when it does not end in one ("" gives "\").
std::string IncludeTrailingBackslash(std::string_view path);
// The path without one trailing "\".
std::string ExcludeTrailingBackslash(std::string_view path);

// dir and name joined with one backslash between them; an empty dir gives name.
std::string JoinPath(std::string_view dir, std::string_view name);

// Components of a path split at "\" and "/", empty components dropped.
std::vector<std::string> SplitPathComponents(std::string_view path);

// True for a name that stays inside the folder it is resolved against: not empty, no drive
// or ":" anywhere, no leading root, no empty component, no component made only of dots and
// blanks ("." , "..", "..."), none ending in a dot or blank (Windows strips those), no
// control characters, and no device name as a component ("con", "nul.txt", "COM1.dat",
// "lpt9"; "console.txt" and "com10" are ordinary). Both "\" and "/" count as separators.
bool IsSafeRelativeName(std::string_view name);

// True for a folder given by its full name on a drive: "X:\" followed by nothing or by a
// safe relative name (above), with or without one trailing separator. No "." or "..".
bool IsFolderOnDrive(std::string_view path);

// A folder typed or stored as a destination in its one form: blanks around it dropped, "."
// and ".." resolved (never above the drive's root), "/" and repeated separators made one
// "\", exactly one trailing "\" ("d:/courses " gives "d:\courses\"). Nothing when the
// result is not a folder on a drive (IsFolderOnDrive): a relative name, a bare "X:", a host
// or UNC path, a device name or a climb above the root.
std::optional<std::string> NormalDrivePath(std::string_view answer);

// Whether a file name matches a mask of "*" (any run of characters) and "?" (one character),
// without regard to ASCII letter case. "*.*" matches every name, with or without a dot.
bool MatchesMask(std::string_view name, std::string_view mask);

// ASCII-only case-insensitive equality, as Windows compares file names in practice.
bool SameTextAscii(std::string_view a, std::string_view b);

}  // namespace cd::os
