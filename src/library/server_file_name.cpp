// Course data names below the server folder.
#include "library/server_file_name.h"

namespace cd {

std::string ServerFileName(const std::string& name, TContext& context) {
  if (name.size() >= 2 && name[1] != ':') return context.GetServerPath() + name;
  return name;
}

}  // namespace cd
