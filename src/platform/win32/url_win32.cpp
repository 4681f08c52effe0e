// Web documents on Windows through URLMON.DLL, loaded by name on the first web call so that the
// program starts (and runs without web names) where the library is missing.
#include <urlmon.h>
#include <windows.h>

#include <atomic>
#include <cstring>
#include <exception>

#include "base/exceptions.h"
#include "platform/url.h"
#include "platform/win32/url_load_callback.h"

namespace cd::os {
namespace {

using OpenBlockingStreamFn = HRESULT(WINAPI*)(IUnknown*, LPCSTR, IStream**, DWORD,
                                              IBindStatusCallback*);
using DownloadToFileFn = HRESULT(WINAPI*)(IUnknown*, LPCSTR, LPCSTR, DWORD, IBindStatusCallback*);
using DownloadToCacheFileFn = HRESULT(WINAPI*)(IUnknown*, LPCSTR, LPSTR, DWORD, DWORD,
                                               IBindStatusCallback*);
using NavigateStringFn = HRESULT(WINAPI*)(IUnknown*, LPCWSTR);

// The library and its entry points: set once on the first successful load, released when the
// program ends.
struct UrlMon {
  HMODULE module = nullptr;
  OpenBlockingStreamFn openBlockingStream = nullptr;
  DownloadToFileFn downloadToFile = nullptr;
  DownloadToCacheFileFn downloadToCacheFile = nullptr;
  NavigateStringFn navigateString = nullptr;
  ~UrlMon() {
    if (module) FreeLibrary(module);
  }
};
UrlMon urlMon;
std::atomic<bool> loaded{false};

template <typename Fn>
Fn EntryPoint(HMODULE module, const char* name) {
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

// Loads the library and looks up all four entry points; a failure is tried again next time.
void EnsureLoaded() {
  if (loaded) return;
  HMODULE module = LoadLibraryA("URLMON.DLL");
  if (!module) throw Exception("Error in loading UrlMon.dll file");
  urlMon.openBlockingStream = EntryPoint<OpenBlockingStreamFn>(module, "URLOpenBlockingStreamA");
  urlMon.downloadToFile = EntryPoint<DownloadToFileFn>(module, "URLDownloadToFileA");
  urlMon.downloadToCacheFile = EntryPoint<DownloadToCacheFileFn>(module, "URLDownloadToCacheFileA");
  urlMon.navigateString = EntryPoint<NavigateStringFn>(module, "HlinkNavigateString");
  if (!urlMon.openBlockingStream || !urlMon.downloadToFile || !urlMon.downloadToCacheFile ||
      !urlMon.navigateString) {
    FreeLibrary(module);
    throw Exception("Error in loading EntryPoint in UrlMon.dll file");
  }
  urlMon.module = module;
  loaded = true;
}

// URLMON works inside a COM apartment: each calling thread joins one on its first web call.
void EnsureComApartment() {
  thread_local bool joined = false;
  if (joined) return;
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  joined = true;
}

// The system's COM stream as a UrlStream.
class ComUrlStream : public UrlStream {
 public:
  explicit ComUrlStream(IStream* stream) : stream_(stream) {}
  ~ComUrlStream() override { stream_->Release(); }

  int64_t Read(void* buffer, int64_t count) override {
    ULONG done = 0;
    if (count <= 0) return 0;
    const ULONG want = count > 0x40000000 ? 0x40000000 : static_cast<ULONG>(count);
    const HRESULT hr = stream_->Read(buffer, want, &done);
    if (FAILED(hr)) throw Exception("Url stream: read failed");
    return done;
  }
  int64_t Seek(int64_t offset, int origin) override {
    LARGE_INTEGER move;
    move.QuadPart = offset;
    ULARGE_INTEGER position;
    const DWORD how = origin == 0   ? STREAM_SEEK_SET
                      : origin == 1 ? STREAM_SEEK_CUR
                                    : STREAM_SEEK_END;
    if (FAILED(stream_->Seek(move, how, &position))) throw Exception("Url stream: seek failed");
    return static_cast<int64_t>(position.QuadPart);
  }
  int64_t Size() override {
    STATSTG info;
    std::memset(&info, 0, sizeof info);
    if (FAILED(stream_->Stat(&info, STATFLAG_NONAME))) throw Exception("Url stream: no size");
    return static_cast<int64_t>(info.cbSize.QuadPart);
  }

 private:
  IStream* stream_;
};

// The caller's reference to a load's callback object. The object is passed even without a
// handler, because only through it an HTTP error answer can be told from the document.
class CallbackRef {
 public:
  CallbackRef(intptr_t userValue, const UrlProgressEvent& onProgress)
      : callback_(new TUrlLoadCallback(userValue, onProgress)) {}
  ~CallbackRef() { callback_->Release(); }
  IBindStatusCallback* Get() const { return callback_; }
  // Raises the handler's exception when the handler stopped the load.
  void RethrowFailure() const {
    if (callback_->Failure()) std::rethrow_exception(callback_->Failure());
  }
  bool HttpFailed() const { return callback_->HttpFailed(); }

 private:
  TUrlLoadCallback* callback_;
};

}  // namespace

std::unique_ptr<UrlStream> OpenUrlStream(const std::string& url, intptr_t userValue,
                                         const UrlProgressEvent& onProgress) {
  CallbackRef callback(userValue, onProgress);
  EnsureLoaded();
  EnsureComApartment();
  IStream* stream = nullptr;
  const HRESULT hr = urlMon.openBlockingStream(nullptr, url.c_str(), &stream, 0, callback.Get());
  callback.RethrowFailure();
  if (hr != S_OK || !stream || callback.HttpFailed()) {
    if (stream) stream->Release();
    return nullptr;
  }
  return std::make_unique<ComUrlStream>(stream);
}

std::optional<std::string> DownloadUrlToCache(const std::string& url, intptr_t userValue,
                                              const UrlProgressEvent& onProgress) {
  CallbackRef callback(userValue, onProgress);
  EnsureLoaded();
  EnsureComApartment();
  // One spare character keeps the name terminated even when the system fills all 255.
  char name[256] = {};
  const HRESULT hr = urlMon.downloadToCacheFile(nullptr, url.c_str(), name, 255, 0, callback.Get());
  callback.RethrowFailure();
  if (hr != S_OK || callback.HttpFailed()) return std::nullopt;
  return std::string(name);
}

bool UrlLibraryLoaded() {
  return loaded;
}

}  // namespace cd::os
