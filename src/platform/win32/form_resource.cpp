// Form layouts from the program's RCDATA resources (type 10), named after the form class.
#include "platform/form_resource.h"

#include <windows.h>

namespace cd::os {

std::optional<std::string_view> FindFormResource(const std::string& className) {
  // Resource names are kept in capitals and looked up without regard to letter case.
  HRSRC info = ::FindResourceA(nullptr, className.c_str(), MAKEINTRESOURCEA(10));
  if (!info) return std::nullopt;
  HGLOBAL loaded = ::LoadResource(nullptr, info);
  const void* bytes = loaded ? ::LockResource(loaded) : nullptr;
  if (!bytes) return std::nullopt;
  return std::string_view(static_cast<const char*>(bytes), ::SizeofResource(nullptr, info));
}

}  // namespace cd::os
