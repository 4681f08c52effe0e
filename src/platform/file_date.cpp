// Setting a file's date by its name, through an open file.
#include "base/exceptions.h"
#include "platform/files.h"

namespace cd::os {

bool SetFileDate(const std::string& path, int32_t dosDateTime) {
  std::unique_ptr<File> file;
  try {
    file = OpenFile(path, OpenMode::Write, ShareMode::DenyNone);
  } catch (const Exception&) {
    return false;
  }
  return file->SetDate(dosDateTime);
}

}  // namespace cd::os
