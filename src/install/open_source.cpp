// TFileItem::OpenMediumSource and OpenSource: the file's source on the medium, a drive path or
// a web address, opened as it lies there or as a stream of its unpacked contents.
#include <algorithm>

#include "base/exceptions.h"
#include "config/name_kind.h"
#include "install/file_item.h"
#include "platform/paths.h"
#include "streams/file_stream.h"
#include "streams/progress_stream.h"
#include "streams/virt_stream.h"
#include "util/format.h"
#include "util/url_loader.h"

namespace cd {

bool TFileItem::IsLocalSource() const {
  const std::string name = GetFileName(kFileMediumSource);
  return name.size() >= 2 && name[1] == ':';
}

std::unique_ptr<TStream> TFileItem::OpenMediumSource(TSetupTotals* totals,
                                                     const TProgressProc& progress) const {
  if (progress) progress(kProgressFileDone, kProgressFileDone, totals);
  const std::string name = GetFileName(kFileMediumSource);
  if (IsLocalSource()) return TProgressStream::CreateFromFile(name, totals, progress);
  if (NameKind(name) == nk_WebDocument) {
    os::UrlProgressEvent onProgress;
    if (progress) {
      onProgress = [&progress](int64_t done, int64_t max, intptr_t value) {
        progress(done, max, reinterpret_cast<TSetupTotals*>(value));
      };
    }
    const std::string local =
        DownloadUrlToCache(name, reinterpret_cast<intptr_t>(totals), onProgress);
    return std::make_unique<TFileStream>(local, os::OpenMode::Read, os::ShareMode::DenyNone);
  }
  throw Exception(Format("FileSrc.CreateStream: Cannot create stream (\"%s\")", {name}));
}

void TFileItem::ReportSourceRead(TSetupTotals* totals, const TProgressProc& progress) const {
  if (progress && IsLocalSource()) progress(DestBytes(), DestBytes(), totals);
}

std::unique_ptr<TStream> TFileItem::OpenSource(TSetupTotals* totals, const TProgressProc& progress,
                                               int64_t maxSize) const {
  auto source = std::make_unique<TVirtStream>(OpenMediumSource(totals, progress),
                                              GetFileName(kFileMediumSource), maxSize);
  ReportSourceRead(totals, progress);
  return source;
}

}  // namespace cd
