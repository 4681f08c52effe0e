// Classification of names by their first characters.
#include "config/name_kind.h"

#include "util/web_address.h"

namespace cd {

TNameKind NameKind(std::string_view name) {
  if (name.size() < 2) return nk_Unusable;
  if (name[1] == ':') return nk_LocalFile;
  if (IsWebAddress(name)) return nk_WebDocument;
  return nk_Unusable;
}

}  // namespace cd
