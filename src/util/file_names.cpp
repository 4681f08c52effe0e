// File name helpers over the platform's path functions.
#include "util/file_names.h"

#include "platform/paths.h"

namespace cd {

std::string RemoveExtension(std::string_view name) {
  return std::string(name.substr(0, name.rfind('.')));
}

std::string FileTitle(std::string_view name) {
  const std::string component = os::ExtractFileName(os::ExcludeTrailingBackslash(name));
  return component.substr(0, component.find('.'));
}

std::string ExtensionNoDot(std::string_view name) {
  const std::string ext = os::ExtractFileExt(name);
  return ext.empty() ? ext : ext.substr(1);
}

}  // namespace cd
