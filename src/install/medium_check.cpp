// TMediumCheck: hashing a medium file while it is read and comparing it with its line.
#include "install/medium_check.h"

#include <algorithm>

#include "install/file_item.h"
#include "install/files_manager.h"
#include "install/packed_name.h"
#include "streams/hashing_stream.h"
#include "util/medium_sums.h"

namespace cd {

std::string MediumSumsPath(const TFileItem& item) {
  const TFilesManager* manager = item.FilesManager();
  std::string path =
      PackedName((manager ? manager->PrgSubpath() : std::string()) + item.DestName());
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}

TMediumCheck::TMediumCheck(const TFileItem& item, std::unique_ptr<TStream>& source) {
  const TFilesManager* manager = item.FilesManager();
  const TMediumSums* sums = manager ? manager->MediumSums() : nullptr;
  if (!sums) return;
  fileName_ = item.GetFileName(kFileMediumSource);
  expected_ = sums->Require(MediumSumsPath(item), fileName_);
  auto hashing = std::make_unique<THashingStream>(std::move(source), item.IsLocalSource());
  hashing_ = hashing.get();
  source = std::move(hashing);
}

void TMediumCheck::Verify() {
  if (hashing_) TMediumSums::Check(fileName_, hashing_->Digest(), expected_);
}

}  // namespace cd
