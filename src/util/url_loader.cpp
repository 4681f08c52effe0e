// The messages of URL loading over the platform's URL library.
#include "util/url_loader.h"

#include "base/exceptions.h"
#include "util/format.h"
#include "util/web_address.h"

namespace cd {
namespace {

// The address as the user knows it: "http://" is put in front only of an address without its
// own http:// or https:// (the message once showed "http://https://...").
[[noreturn]] void CannotLoad(const std::string& url) {
  const std::string shown = IsWebAddress(url) ? url : "http://" + url;
  throw Exception(Format("Cannot load Url \"%s\"", {shown}));
}

}  // namespace

std::unique_ptr<os::UrlStream> OpenUrlStream(const std::string& url, intptr_t userValue,
                                             const TLoadProgressEvent& onProgress) {
  auto stream = os::OpenUrlStream(url, userValue, onProgress);
  if (!stream) CannotLoad(url);
  return stream;
}

std::string DownloadUrlToCache(const std::string& url, intptr_t userValue,
                               const TLoadProgressEvent& onProgress) {
  auto name = os::DownloadUrlToCache(url, userValue, onProgress);
  if (!name) CannotLoad(url);
  return *name;
}

}  // namespace cd
