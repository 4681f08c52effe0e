// Classification of names by their first characters.
#include "config/name_kind.h"

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

TNameKind NameKind(std::string_view name) {
  if (name.size() < 2) return nk_Unusable;
  if (name[1] == ':') return nk_LocalFile;
  if (StartsWithNoCase(name, "http://") || StartsWithNoCase(name, "https://"))
    return nk_WebDocument;
  return nk_Unusable;
}

}  // namespace cd
