// Claimed temporary files on Windows. Another process cannot delete a temporary file while it
// is open, but between its closing and its rename over the target it could, and so could a
// sweep by another thread of this process (the build writes files on several threads). A
// claim is therefore kept in a table of this process, by the file's name, from its creation
// up to its rename; a sweep leaves claimed files alone. No signal ends a windowed program.
#include "platform/temporary_files.h"

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <mutex>
#include <unordered_set>

namespace cd::os {
namespace {

// Temporary names carry a random part unique in the process, so the file name alone tells
// them apart; the folder is left out, since two spellings of one folder may reach here.
std::string ClaimKey(const std::string& hostPath) {
  const size_t slash = hostPath.find_last_of("\\/");
  std::string name = slash == std::string::npos ? hostPath : hostPath.substr(slash + 1);
  std::transform(name.begin(), name.end(), name.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return name;
}

struct TClaims {
  std::mutex mutex;
  std::unordered_set<std::string> names;
};

TClaims& Claims() {
  static TClaims claims;
  return claims;
}

}  // namespace

TemporaryFileClaim::TemporaryFileClaim(const std::string& hostPath, File*)
    : name_(ClaimKey(hostPath)) {
  TClaims& claims = Claims();
  std::lock_guard<std::mutex> lock(claims.mutex);
  claims.names.insert(name_);
}

TemporaryFileClaim::~TemporaryFileClaim() {
  TClaims& claims = Claims();
  std::lock_guard<std::mutex> lock(claims.mutex);
  claims.names.erase(name_);
}

bool RemoveLeftover(const std::string& hostPath) {
  TClaims& claims = Claims();
  std::lock_guard<std::mutex> lock(claims.mutex);
  if (claims.names.contains(ClaimKey(hostPath))) return false;
  return DeleteFileA(hostPath.c_str()) != 0;
}

void EndRunOnInterrupt(int) {}

}  // namespace cd::os
