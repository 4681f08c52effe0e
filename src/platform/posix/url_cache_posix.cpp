// The POSIX download cache: one folder per URL under "Temporary Internet Files" in the Windows
// directory, the document kept under the last name of the URL's path, reduced to safe characters.
#include "platform/posix/url_cache_posix.h"

#include <unistd.h>

#include <cstdint>
#include <cstdio>

#include "platform/files.h"
#include "platform/system_dirs.h"

namespace cd::os {
namespace {

constexpr size_t kMaxName = 255;

uint64_t Fnv1a(const std::string& text) {
  uint64_t hash = 14695981039346656037ull;
  for (unsigned char c : text) {
    hash ^= c;
    hash *= 1099511628211ull;
  }
  return hash;
}

// The last component of the URL's path ("index.htm" for a folder), with every character
// outside letters, digits, ".", "-" and "_" replaced by "_".
std::string LeafName(const std::string& url) {
  const size_t scheme = url.find("://");
  const size_t pathStart = url.find('/', scheme == std::string::npos ? 0 : scheme + 3);
  std::string path = pathStart == std::string::npos
                         ? ""
                         : url.substr(pathStart, url.find_first_of("?#", pathStart) - pathStart);
  std::string leaf = path.substr(path.find_last_of('/') + 1);
  if (leaf.empty()) leaf = "index.htm";
  for (char& c : leaf) {
    const bool safe = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                      c == '.' || c == '-' || c == '_';
    if (!safe) c = '_';
  }
  return leaf;
}

// Shortens name so that folder + name fits in kMaxName characters, keeping its extension.
std::string FitName(const std::string& folder, std::string name) {
  if (folder.size() + name.size() <= kMaxName) return name;
  const size_t room = folder.size() < kMaxName ? kMaxName - folder.size() : 1;
  const size_t dot = name.find_last_of('.');
  std::string ext = dot == std::string::npos ? "" : name.substr(dot);
  if (ext.size() > room / 2) ext.clear();
  return name.substr(0, room - ext.size()) + ext;
}

}  // namespace

std::string UrlCacheFileName(const std::string& folder, const std::string& url) {
  std::string name = FitName(folder, LeafName(url));
  // No name that Windows would read as "." or "..", or whose trailing dot it would drop.
  if (name.front() == '.') name.front() = '_';
  if (name.back() == '.') name.back() = '_';
  return folder + name;
}

UrlCacheEntry UrlCacheEntryFor(const std::string& url) {
  char hash[17];
  std::snprintf(hash, sizeof hash, "%016llx", static_cast<unsigned long long>(Fnv1a(url)));
  const std::string folder = WindowsDirectory() + "\\Temporary Internet Files\\" + hash + "\\";
  ForceDirectories(folder);
  UrlCacheEntry entry;
  entry.windowsPath = UrlCacheFileName(folder, url);
  entry.hostPath = HostPath(entry.windowsPath);
  entry.partialHostPath = entry.hostPath + ".part" + std::to_string(getpid());
  return entry;
}

}  // namespace cd::os
