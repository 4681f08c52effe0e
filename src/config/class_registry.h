// The process-wide class registry: class name -> metadata, compared without regard to
// ASCII letter case, with an alias table consulted when a name is not registered.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/exceptions.h"
#include "config/class_info.h"

namespace cd {

class EClassNotFound : public Exception {
  using Exception::Exception;
};

// Registers cls and then each ancestor in turn, stopping at the first one already
// registered or after TPersistent. Another class under a taken name fails with
// "A class named %s already exists"; registering the same class again does nothing.
void RegisterClass(const TClassInfo& cls);
// Makes alias name cls when the name itself is not registered.
void RegisterClassAlias(const TClassInfo& cls, std::string_view alias);
// Removes cls (not its ancestors) and the aliases naming it.
void UnRegisterClass(const TClassInfo& cls);

// The class registered under name (or its alias); nullptr if none.
const TClassInfo* GetClass(std::string_view name);
// Like GetClass but fails with EClassNotFound "Class %s not found".
const TClassInfo& FindClass(std::string_view name);
// Every registered class (aliases not repeated), in no particular order.
std::vector<const TClassInfo*> RegisteredClasses();

}  // namespace cd
