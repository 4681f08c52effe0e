// Form layouts from the table generated at build time.
#include "platform/form_resource.h"

#include <strings.h>

#include "platform/posix/form_resource_table.h"

namespace cd::os {

std::optional<std::string_view> FindFormResource(const std::string& className) {
  for (const FormResourceEntry* e = kFormResourceTable; e->name; ++e)
    if (strcasecmp(e->name, className.c_str()) == 0)
      return std::string_view(reinterpret_cast<const char*>(e->data), e->size);
  return std::nullopt;
}

}  // namespace cd::os
