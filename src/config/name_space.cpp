// The name-space lock and the table of global components.
#include "config/name_space.h"

#include <algorithm>
#include <vector>

#include "config/component.h"

namespace cd {

namespace {

std::vector<TComponent*>& GlobalComponents() {
  static std::vector<TComponent*> components;
  return components;
}

}  // namespace

std::recursive_mutex& GlobalNameSpace() {
  static std::recursive_mutex lock;
  return lock;
}

void AddGlobalComponent(TComponent* component) {
  std::lock_guard<std::recursive_mutex> guard(GlobalNameSpace());
  auto& list = GlobalComponents();
  if (std::find(list.begin(), list.end(), component) == list.end()) list.push_back(component);
}

void RemoveGlobalComponent(TComponent* component) {
  std::lock_guard<std::recursive_mutex> guard(GlobalNameSpace());
  std::erase(GlobalComponents(), component);
}

TComponent* FindGlobalComponent(std::string_view name) {
  if (name.empty()) return nullptr;
  std::lock_guard<std::recursive_mutex> guard(GlobalNameSpace());
  for (TComponent* c : GlobalComponents())
    if (SameText(c->Name(), name)) return c;
  return nullptr;
}

}  // namespace cd
