// IsWebAddress: the two prefixes compared without regard to letter case.
#include "util/web_address.h"

#include <cctype>

namespace cd {
namespace {

bool StartsWithNoCase(std::string_view name, std::string_view prefix) {
  if (name.size() < prefix.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(name[i])) != prefix[i]) return false;
  return true;
}

}  // namespace

bool IsWebAddress(std::string_view name) {
  return StartsWithNoCase(name, "http://") || StartsWithNoCase(name, "https://");
}

}  // namespace cd
