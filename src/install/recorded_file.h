// TRecordedFile: one file of an install record as it was when the run left it: its full name,
// size, date and SHA-256, so a removal can tell whether the user changed it since.
#pragma once

#include <cstdint>
#include <string>

#include "config/collection_item.h"

namespace cd {

class TRecordedFile : public TCollectionItem {
 public:
  explicit TRecordedFile(TCollection* collection) : TCollectionItem(collection) {}
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  // The full Windows name ("C:\WINDOWS\Vok\Pagent\pgt2.exe").
  const std::string& Name() const { return name_; }
  void SetName(const std::string& v) { name_ = v; }
  int64_t Size() const { return static_cast<int64_t>(size_); }
  // The DOS date and time of the file.
  int32_t Date() const { return date_; }
  // 64 lower-case hexadecimal digits.
  const std::string& Sha256() const { return sha256_; }

  // Takes size, date and digest from the file on disk as it is now; false when it is missing.
  bool TakeFromDisk();
  // Whether the file on disk still has the recorded size and digest.
  bool UnchangedOnDisk() const;

 private:
  std::string name_;
  // Held as a double so that sizes beyond 2 GB are stored exactly.
  double size_ = 0;
  int32_t date_ = 0;
  std::string sha256_;
};

// The SHA-256 of a file's contents as hexadecimal digits; fails as reading the file does.
std::string FileSha256(const std::string& path);

}  // namespace cd
