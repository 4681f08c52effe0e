// TRecordedFile: stored keys and the comparison with the file on disk.
#include "install/recorded_file.h"

#include <vector>

#include "base/exceptions.h"
#include "platform/files.h"
#include "platform/sha256.h"

namespace cd {

const TClassInfo& TRecordedFile::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TRecordedFile>("TRecordedFile", &TCollectionItem::StaticClass())
          .Str("Name", &TRecordedFile::name_)
          .Float("Size", &TRecordedFile::size_)
          .Int("Date", &TRecordedFile::date_)
          .Str("Sha256", &TRecordedFile::sha256_)
          .Build();
  return info;
}

std::string FileSha256(const std::string& path) {
  std::unique_ptr<os::File> file = os::OpenFile(path, os::OpenMode::Read, os::ShareMode::DenyNone);
  os::Sha256 hasher;
  std::vector<char> block(size_t{1} << 16);
  for (;;) {
    const int64_t got = file->Read(block.data(), static_cast<int64_t>(block.size()));
    if (got <= 0) break;
    hasher.Update(block.data(), static_cast<size_t>(got));
  }
  return os::DigestHex(hasher.Finish());
}

bool TRecordedFile::TakeFromDisk() {
  const int64_t size = os::FileSize(name_);
  if (size < 0) return false;
  size_ = static_cast<double>(size);
  date_ = os::FileAge(name_);
  sha256_ = FileSha256(name_);
  return true;
}

bool TRecordedFile::UnchangedOnDisk() const {
  if (os::FileSize(name_) != Size()) return false;
  try {
    return FileSha256(name_) == sha256_;
  } catch (const Exception&) {
    return false;
  }
}

}  // namespace cd
