// Web documents through the system's URL library (URLMON on Windows, libcurl elsewhere), which
// is loaded or set up only when a web name is first used.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace cd::os {

// Progress of one load: bytes so far, the expected total as the system reports it (0 while
// unknown) and the caller's value handed back unchanged.
using UrlProgressEvent =
    std::function<void(int64_t progress, int64_t progressMax, intptr_t userValue)>;

// A whole web document, readable and seekable.
class UrlStream {
 public:
  virtual ~UrlStream() = default;
  virtual int64_t Read(void* buffer, int64_t count) = 0;
  virtual int64_t Seek(int64_t offset, int origin) = 0;  // origin 0 begin, 1 current, 2 end
  virtual int64_t Size() = 0;
};

// Both calls block until the document is there; progress arrives on the calling thread (none
// with an empty onProgress). A document that cannot be loaded, also one that the server
// answers with an HTTP error status, gives nullptr / no name; a missing URL library raises
// cd::Exception ("Error in loading UrlMon.dll file", "Error in loading EntryPoint in UrlMon.dll
// file"). An exception thrown by onProgress stops the load and is raised again by the call.
std::unique_ptr<UrlStream> OpenUrlStream(const std::string& url, intptr_t userValue,
                                         const UrlProgressEvent& onProgress);
// The local (Windows) name, at most 255 characters, of a copy of the document in the download
// cache.
std::optional<std::string> DownloadUrlToCache(const std::string& url, intptr_t userValue,
                                              const UrlProgressEvent& onProgress);

// True once the URL library has been loaded by one of the calls above.
bool UrlLibraryLoaded();

}  // namespace cd::os
