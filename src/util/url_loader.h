// Loading web documents: a document opened as a readable stream, or downloaded into the local
// cache, with progress reported to the caller. The system's URL library is loaded on first use.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/url.h"

namespace cd {

// A progress handler: (progress, maximum, the caller's value handed back unchanged). File
// streams report with the same form (position after a read, size of the file, value).
using TLoadProgressEvent = os::UrlProgressEvent;

// The whole document at url, positioned at its start. Fails with "Cannot load Url \"%s\""
// naming url, with "http://" put in front when it has neither that nor "https://", or with
// the URL library's loading messages.
std::unique_ptr<os::UrlStream> OpenUrlStream(const std::string& url, intptr_t userValue,
                                             const TLoadProgressEvent& onProgress);

// The local file name (at most 255 characters) of a copy of the document in the download
// cache. Fails as OpenUrlStream.
std::string DownloadUrlToCache(const std::string& url, intptr_t userValue,
                               const TLoadProgressEvent& onProgress);

}  // namespace cd
