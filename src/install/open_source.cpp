// TFileItem::OpenSource: the file's source on the medium, a drive path or a web address,
// opened as a stream of its unpacked contents with progress reports.
#include <algorithm>

#include "config/name_kind.h"
#include "install/file_item.h"
#include "platform/paths.h"
#include "streams/file_stream.h"
#include "streams/progress_stream.h"
#include "streams/virt_stream.h"
#include "util/exceptions.h"
#include "util/format.h"
#include "util/url_loader.h"

namespace cd {
std::unique_ptr<TStream> TFileItem::OpenSource(TSetupTotals* totals,
                                               const TProgressProc& progress) const {
  if (progress) progress(kProgressFileDone, kProgressFileDone, totals);
  const std::string name = GetFileName(kFileMediumSource);
  if (name.size() >= 2 && name[1] == ':') {
    auto source =
        std::make_unique<TVirtStream>(TProgressStream::CreateFromFile(name, totals, progress));
    if (progress) progress(DestBytes(), DestBytes(), totals);
    return source;
  }
  if (NameKind(name) == nk_WebDocument) {
    os::UrlProgressEvent onProgress;
    if (progress) {
      onProgress = [&progress](int64_t done, int64_t max, intptr_t value) {
        progress(done, max, reinterpret_cast<TSetupTotals*>(value));
      };
    }
    const std::string local =
        DownloadUrlToCache(name, reinterpret_cast<intptr_t>(totals), onProgress);
    return std::make_unique<TVirtStream>(
        std::make_unique<TFileStream>(local, os::OpenMode::Read, os::ShareMode::DenyNone));
  }
  throw Exception(Format("FileSrc.CreateStream: Cannot create stream (\"%s\")", {name}));
}

}  // namespace cd
