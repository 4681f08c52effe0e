// Fuzzes the cache file name made from a URL: it must stay one safe component inside the cache
// folder and keep the whole name within 255 characters.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/posix/url_cache_posix.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  // The first byte chooses the folder's length, so names near and past the limit are met.
  const std::string folder = "C:\\" + std::string(data[0], 'f') + "\\";
  const std::string url(reinterpret_cast<const char*>(data + 1), size - 1);
  const std::string name = cd::os::UrlCacheFileName(folder, url);
  if (name.compare(0, folder.size(), folder) != 0) std::abort();
  const std::string leaf = name.substr(folder.size());
  if (leaf.empty() || leaf.front() == '.' || leaf.back() == '.') std::abort();
  for (char c : leaf) {
    const bool safe = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                      c == '.' || c == '-' || c == '_';
    if (!safe) std::abort();
  }
  if (folder.size() < 255 && name.size() > 255) std::abort();
  return 0;
}
