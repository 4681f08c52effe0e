// Where a downloaded web document is kept in the POSIX download cache. Internal to the POSIX
// platform layer.
#pragma once

#include <string>

namespace cd::os {

struct UrlCacheEntry {
  std::string windowsPath;      // the name handed to callers, at most 255 characters
  std::string hostPath;         // the same file on the host
  std::string partialHostPath;  // where the download is written before it takes the name
};

// The cache entry of a URL: "<cache>\<hash of the URL>\<last name of the URL's path>", its
// folder created. The same URL always gives the same entry.
UrlCacheEntry UrlCacheEntryFor(const std::string& url);

// The name of the URL's cache file in folder (which ends in "\"): folder followed by one
// component of letters, digits, ".", "-" and "_" that is neither "." nor "..", the whole at
// most 255 characters when folder leaves room for a name.
std::string UrlCacheFileName(const std::string& folder, const std::string& url);

}  // namespace cd::os
