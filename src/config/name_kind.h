// What kind of place a configuration or data name refers to: a drive path, a web address,
// or nothing that can be opened.
#pragma once

#include <string_view>

namespace cd {

enum TNameKind : int {
  nk_Unusable = 0,     // shorter than 2 characters, relative, UNC, anything else
  nk_LocalFile = 1,    // "X:..." (second character ":")
  nk_WebDocument = 2,  // begins with "http://" or "https://", in any letter case
};

TNameKind NameKind(std::string_view name);

}  // namespace cd
