// File size, date and existence queries with the fixed semantics the engine relies on.
#pragma once

#include <cstdint>
#include <string>

namespace cd {

// The size of the first entry a directory search finds for the name ("*" and "?" allowed),
// any attributes; -1 when nothing matches. Sizes beyond 2 GB are given as 2 GB - 1.
int32_t GetFileSizeByName(const std::string& fileName);

// The packed local date and time of the file as read from it opened for reading with
// sharing; -1 when it cannot be opened (missing, or held exclusively by another program).
int32_t GetFileDate(const std::string& fileName);

// Sets the file's date; does nothing when the file cannot be opened for writing.
void SetFileDate(const std::string& fileName, int32_t stamp);

// Fails with "<caller>: File \"<name>\" does not exist!" when there is no such file.
void CheckFileExists(const std::string& caller, const std::string& fileName);

bool DirectoryExists(const std::string& name);

}  // namespace cd
