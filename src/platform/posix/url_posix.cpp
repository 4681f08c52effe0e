// Web documents on POSIX through libcurl: the document is fetched over http or https (with the
// server's certificate verified) into a temporary file or into the download cache folder.
#include <curl/curl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <exception>
#include <mutex>
#include <vector>

#include "base/exceptions.h"
#include "platform/posix/url_cache_posix.h"
#include "platform/url.h"

namespace cd::os {
namespace {

std::atomic<bool> libraryReady{false};

constexpr size_t kCacheWriteBuffer = 256 * 1024;

// Sets libcurl up on the first web call; a failed set-up is tried again on the next call.
void EnsureLoaded() {
  static std::mutex lock;
  std::lock_guard<std::mutex> guard(lock);
  if (libraryReady) return;
  const CURLcode rc = curl_global_init(CURL_GLOBAL_DEFAULT);
  if (rc != CURLE_OK)
    throw Exception(std::string("Error in loading libcurl: ") + curl_easy_strerror(rc));
  libraryReady = true;
}

// Progress of one transfer, reported only when the counts change.
struct ProgressState {
  ProgressState(const UrlProgressEvent& handler, intptr_t value)
      : onProgress(&handler), userValue(value) {}

  const UrlProgressEvent* onProgress;
  intptr_t userValue;
  int64_t lastNow = -1;
  int64_t lastTotal = -1;
  std::exception_ptr failure;

  // False when the handler raised; the transfer is then stopped.
  bool Report(int64_t now, int64_t total) {
    if (now == lastNow && total == lastTotal) return true;
    lastNow = now;
    lastTotal = total;
    try {
      (*onProgress)(now, total, userValue);
      return true;
    } catch (...) {
      failure = std::current_exception();
      return false;
    }
  }
};

int OnTransferInfo(void* clientp, curl_off_t dltotal, curl_off_t dlnow, curl_off_t, curl_off_t) {
  return static_cast<ProgressState*>(clientp)->Report(dlnow, dltotal) ? 0 : 1;
}

size_t OnData(char* data, size_t size, size_t count, void* userdata) {
  return std::fwrite(data, size, count, static_cast<FILE*>(userdata)) * size;
}

// libcurl refuses an address with spaces or control characters, which the system's loader
// escapes; names on a medium ("Course Data\\read me.txt") have them. They are sent escaped.
std::string EscapeForCurl(const std::string& url) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : url) {
    if (c > ' ' && c != 0x7f) {
      out += static_cast<char>(c);
      continue;
    }
    out += '%';
    out += kHex[c >> 4];
    out += kHex[c & 15];
  }
  return out;
}

void SetCommonOptions(CURL* curl, const std::string& url, FILE* sink) {
  curl_easy_setopt(curl, CURLOPT_URL, EscapeForCurl(url).c_str());
  curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
  curl_easy_setopt(curl, CURLOPT_MAXREDIRS, 10L);
  curl_easy_setopt(curl, CURLOPT_FAILONERROR, 1L);
  curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, 1L);
  curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, 2L);
  curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, 30L);
  // A server that stops sending for a minute ends the load instead of blocking for ever.
  curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
  curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, 60L);
  curl_easy_setopt(curl, CURLOPT_BUFFERSIZE, 131072L);
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, OnData);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, sink);
}

// A transfer handle for one load. Each thread keeps one handle across loads (its DNS and TLS
// session caches make the next load cheaper); a load started from inside another one's
// progress handler gets a handle of its own.
class HandleLease {
 public:
  HandleLease() {
    IdleHandle& idle = Idle();
    handle_ = idle.handle ? idle.handle : curl_easy_init();
    idle.handle = nullptr;
    if (handle_) curl_easy_reset(handle_);
  }
  ~HandleLease() {
    if (!handle_) return;
    IdleHandle& idle = Idle();
    if (idle.handle) curl_easy_cleanup(idle.handle);
    idle.handle = handle_;
  }
  HandleLease(const HandleLease&) = delete;
  HandleLease& operator=(const HandleLease&) = delete;
  CURL* get() const { return handle_; }

 private:
  struct IdleHandle {
    CURL* handle = nullptr;
    ~IdleHandle() {
      if (handle) curl_easy_cleanup(handle);
    }
  };
  static IdleHandle& Idle() {
    thread_local IdleHandle idle;
    return idle;
  }

  CURL* handle_ = nullptr;
};

// Fetches url into sink; false when the document cannot be loaded. A progress handler that
// raises stops the transfer and its exception is raised here.
bool Transfer(const std::string& url, FILE* sink, intptr_t userValue,
              const UrlProgressEvent& onProgress) {
  EnsureLoaded();
  HandleLease curl;
  if (!curl.get()) return false;
  SetCommonOptions(curl.get(), url, sink);
  ProgressState progress(onProgress, userValue);
  if (onProgress) {
    curl_easy_setopt(curl.get(), CURLOPT_XFERINFOFUNCTION, OnTransferInfo);
    curl_easy_setopt(curl.get(), CURLOPT_XFERINFODATA, &progress);
    curl_easy_setopt(curl.get(), CURLOPT_NOPROGRESS, 0L);
  }
  const CURLcode rc = curl_easy_perform(curl.get());
  if (progress.failure) std::rethrow_exception(progress.failure);
  if (rc != CURLE_OK || std::fflush(sink) != 0) return false;
  if (onProgress) {
    // The last report says the whole document is there, as the system's loader does.
    curl_off_t received = 0;
    curl_easy_getinfo(curl.get(), CURLINFO_SIZE_DOWNLOAD_T, &received);
    progress.Report(received, received);
    if (progress.failure) std::rethrow_exception(progress.failure);
  }
  return true;
}

// A fetched document in an anonymous temporary file.
class TempFileUrlStream : public UrlStream {
 public:
  explicit TempFileUrlStream(FILE* file) : file_(file) {}
  ~TempFileUrlStream() override { std::fclose(file_); }

  int64_t Read(void* buffer, int64_t count) override {
    if (count <= 0) return 0;
    return static_cast<int64_t>(std::fread(buffer, 1, static_cast<size_t>(count), file_));
  }
  int64_t Seek(int64_t offset, int origin) override {
    const int whence = origin == 0 ? SEEK_SET : origin == 1 ? SEEK_CUR : SEEK_END;
    if (fseeko(file_, offset, whence) != 0) throw Exception("Url stream: seek failed");
    return ftello(file_);
  }
  int64_t Size() override {
    struct stat info;
    return fstat(fileno(file_), &info) == 0 ? info.st_size : 0;
  }

 private:
  FILE* file_;
};

}  // namespace

std::unique_ptr<UrlStream> OpenUrlStream(const std::string& url, intptr_t userValue,
                                         const UrlProgressEvent& onProgress) {
  EnsureLoaded();
  FILE* file = std::tmpfile();
  if (!file) return nullptr;
  auto stream = std::make_unique<TempFileUrlStream>(file);
  if (!Transfer(url, file, userValue, onProgress)) return nullptr;
  stream->Seek(0, 0);
  return stream;
}

std::optional<std::string> DownloadUrlToCache(const std::string& url, intptr_t userValue,
                                              const UrlProgressEvent& onProgress) {
  EnsureLoaded();
  const UrlCacheEntry entry = UrlCacheEntryFor(url);
  // libcurl hands the data over in pieces of 16 KB at most; a larger buffer saves most writes.
  // It outlives the file, which is closed below on every path.
  std::vector<char> buffer(kCacheWriteBuffer);
  FILE* file = std::fopen(entry.partialHostPath.c_str(), "wb");
  if (!file) return std::nullopt;
  std::setvbuf(file, buffer.data(), _IOFBF, buffer.size());
  bool loaded = false;
  try {
    loaded = Transfer(url, file, userValue, onProgress);
  } catch (...) {
    std::fclose(file);
    std::remove(entry.partialHostPath.c_str());
    throw;
  }
  loaded = std::fclose(file) == 0 && loaded;
  // Only a complete copy takes the cache name, so a failed load never leaves half a file there.
  if (!loaded || std::rename(entry.partialHostPath.c_str(), entry.hostPath.c_str()) != 0) {
    std::remove(entry.partialHostPath.c_str());
    return std::nullopt;
  }
  return entry.windowsPath;
}

bool UrlLibraryLoaded() {
  return libraryReady;
}

}  // namespace cd::os
