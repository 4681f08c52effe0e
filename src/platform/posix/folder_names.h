// Case-insensitive lookups of names in host folders. Internal to the POSIX layer.
#pragma once

#include <sys/stat.h>

#include <string>

namespace cd::os::posix {

// The entry of folder whose name equals name without regard to ASCII letter case (the first
// such entry the folder lists). A folder's names are read once and kept while the folder stays
// unchanged, so that looking up many missing names in one folder does not read it each time.
bool FindCaseVariant(const std::string& folder, const std::string& name, std::string* found);
// The same for a folder whose state the caller has just taken (stat).
bool FindCaseVariant(const std::string& folder, const struct stat& folderState,
                     const std::string& name, std::string* found);

// What the kept names of a folder say about a name, after one look at the folder's state:
// the entry found (named exactly so, or else in other letter case), that there is none, or
// nothing when the folder's names are not kept or it changed since.
enum class KeptAnswer { Found, Absent, Unknown };
// Whether the folder's names are kept at all, without asking the system.
bool IsKept(const std::string& folder);
KeptAnswer LookUpKept(const std::string& folder, const std::string& name, std::string* found);

// Changes this process made itself, given as host paths, after they succeeded. A kept folder
// takes them into its names, and its next lookup keeps it with its new state instead of reading
// it again when it has not changed after them; so a folder being filled by an update is read at
// most once. What another process changes in the same folder between this process's last
// lookup there and its own change is not seen (for a file being installed, while it is copied):
// a folder is not expected to have two writers while a run installs into it.
void NoteEntryAdded(const std::string& hostPath);
void NoteEntryRemoved(const std::string& hostPath);
void NoteEntryRenamed(const std::string& fromHostPath, const std::string& toHostPath);
// A folder just made by this process: known to be empty, it is kept without reading it.
void NoteFolderCreated(const std::string& hostPath);

}  // namespace cd::os::posix
