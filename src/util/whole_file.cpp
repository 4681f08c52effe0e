// Whole-file operations over the platform's file API.
#include "util/whole_file.h"

#include <exception>
#include <vector>

#include "base/exceptions.h"
#include "platform/files.h"
#include "platform/replace_file.h"
#include "util/format.h"

namespace cd {

// Settings and cards are small; a file past the limit is refused before it is read.
std::string FileToString(const std::string& fileName) {
  if (os::FileSize(fileName) > kLargestTextFile) {
    throw Exception(Format("FileToString: Cannot read string from file \"%s\": larger than %d MiB",
                           {fileName, static_cast<long long>(kLargestTextFile >> 20)}));
  }
  try {
    return os::ReadWholeFile(fileName);
  } catch (const std::exception&) {
    throw Exception(Format("FileToString: Cannot read string from file \"%s\"", {fileName}));
  }
}

void StringToFile(const std::string& text, const std::string& fileName) {
  try {
    // Written beside the file and renamed over it, so a failure keeps the old contents.
    os::ReplaceFileAtomically(fileName, text);
  } catch (const std::exception&) {
    throw Exception(Format("StringToFile: Cannot write string to file \"%s\"", {fileName}));
  }
}

int64_t CopyFileData(const std::string& source, const std::string& destination) {
  constexpr int64_t kBlockSize = 61440;
  const auto in = os::OpenFile(source, os::OpenMode::Read, os::ShareMode::DenyNone);
  const auto out = os::OpenFile(destination, os::OpenMode::Create, os::ShareMode::Exclusive);
  std::vector<char> buffer(kBlockSize);
  int64_t copied = 0;
  while (const int64_t got = in->Read(buffer.data(), kBlockSize)) {
    if (out->Write(buffer.data(), got) != got)
      throw EWriteError(Format("Cannot write to file \"%s\"", {destination}));
    copied += got;
  }
  return copied;
}

}  // namespace cd
