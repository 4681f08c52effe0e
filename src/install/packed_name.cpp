// PackedName: the name of a file on the medium, where the extensions exe, dll and bpl end
// in "_".
#include "install/packed_name.h"

namespace cd {

std::string PackedName(std::string_view name) {
  // The extension starts after the last dot that follows the last path delimiter.
  size_t dot = name.find_last_of(".\\/:");
  if (dot == std::string_view::npos || name[dot] != '.') return std::string(name);
  std::string_view ext = name.substr(dot + 1);
  if (ext != "exe" && ext != "dll" && ext != "bpl") return std::string(name);
  std::string result(name);
  result[dot + 3] = '_';
  return result;
}

}  // namespace cd
