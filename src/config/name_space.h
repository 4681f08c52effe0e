// The process-wide name space of objects being read: one lock held while one root object is
// constructed, and the table of global components that root names must not collide with.
#pragma once

#include <mutex>
#include <string_view>

namespace cd {

class TComponent;

// Held exclusively while one root object is constructed from the binary form.
std::recursive_mutex& GlobalNameSpace();

// Global components are roots that other objects may name (forms, data modules); the
// caller keeps ownership and removes the component before destroying it.
void AddGlobalComponent(TComponent* component);
void RemoveGlobalComponent(TComponent* component);
// The global component with that name, without regard to letter case; nullptr if none.
TComponent* FindGlobalComponent(std::string_view name);

}  // namespace cd
