// COM on POSIX: not available, so no class is installed.
#include "platform/com.h"

namespace cd::os {

ComObject::~ComObject() = default;

std::unique_ptr<ComObject> ComObject::Query(const std::string&) const {
  return nullptr;
}

std::unique_ptr<ComObject> CreateComObject(const std::string& classId, std::string* error) {
  if (error) *error = "Class " + classId + " is not installed: COM is not available on this system";
  return nullptr;
}

std::unique_ptr<ComObject> CreateComObjectFromProgId(const std::string& progId,
                                                     std::string* error) {
  if (error)
    *error = "Class \"" + progId + "\" is not installed: COM is not available on this system";
  return nullptr;
}

bool IsClassInstalled(const std::string&) {
  return false;
}

}  // namespace cd::os
