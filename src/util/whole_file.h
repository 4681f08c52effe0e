// Whole-file reading, writing and copying.
#pragma once

#include <cstdint>
#include <string>

namespace cd {

// The largest file FileToString reads (cards and settings files are a few kilobytes).
inline constexpr int64_t kLargestTextFile = int64_t{256} << 20;

// The whole content of the file, read while others may read and write it. Any failure is
// "FileToString: Cannot read string from file \"<name>\"", with the reason when the file is
// larger than kLargestTextFile.
std::string FileToString(const std::string& fileName);

// Creates the file (replacing an existing one) with exactly the text's bytes. Any failure is
// "StringToFile: Cannot write string to file \"<name>\"".
void StringToFile(const std::string& text, const std::string& fileName);

// Copies the content of source into a newly created destination (replacing it); returns the
// number of bytes copied. Dates and attributes are not copied; file failures pass unchanged.
int64_t CopyFileData(const std::string& source, const std::string& destination);

}  // namespace cd
