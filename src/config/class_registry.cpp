// The class registry: one table of names and one of aliases behind one lock.
#include "config/class_registry.h"

#include <mutex>
#include <unordered_map>

#include "config/persistent.h"
#include "util/format.h"

namespace cd {

namespace {

std::string Key(std::string_view name) {
  std::string key(name);
  for (char& c : key)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
  return key;
}

struct Registry {
  std::mutex lock;
  std::unordered_map<std::string, const TClassInfo*> classes;
  std::unordered_map<std::string, const TClassInfo*> aliases;

  const TClassInfo* Lookup(const std::string& key) const {
    auto it = classes.find(key);
    if (it != classes.end()) return it->second;
    auto alias = aliases.find(key);
    return alias != aliases.end() ? alias->second : nullptr;
  }
};

Registry& TheRegistry() {
  static Registry registry;
  return registry;
}

}  // namespace

void RegisterClass(const TClassInfo& cls) {
  Registry& r = TheRegistry();
  std::lock_guard<std::mutex> guard(r.lock);
  for (const TClassInfo* c = &cls; c; c = c->parent) {
    const std::string key = Key(c->name);
    auto it = r.classes.find(key);
    if (it != r.classes.end()) {
      if (it->second == c) break;
      throw EReadError(Format("A class named %s already exists", {c->name}));
    }
    r.classes.emplace(key, c);
    if (c == &TPersistent::StaticClass()) break;
  }
}

void RegisterClassAlias(const TClassInfo& cls, std::string_view alias) {
  Registry& r = TheRegistry();
  std::lock_guard<std::mutex> guard(r.lock);
  r.aliases[Key(alias)] = &cls;
}

void UnRegisterClass(const TClassInfo& cls) {
  Registry& r = TheRegistry();
  std::lock_guard<std::mutex> guard(r.lock);
  auto it = r.classes.find(Key(cls.name));
  if (it != r.classes.end() && it->second == &cls) r.classes.erase(it);
  std::erase_if(r.aliases, [&cls](const auto& entry) { return entry.second == &cls; });
}

const TClassInfo* GetClass(std::string_view name) {
  Registry& r = TheRegistry();
  std::lock_guard<std::mutex> guard(r.lock);
  return r.Lookup(Key(name));
}

const TClassInfo& FindClass(std::string_view name) {
  const TClassInfo* cls = GetClass(name);
  if (!cls) throw EClassNotFound(Format("Class %s not found", {name}));
  return *cls;
}

std::vector<const TClassInfo*> RegisteredClasses() {
  Registry& r = TheRegistry();
  std::lock_guard<std::mutex> guard(r.lock);
  std::vector<const TClassInfo*> classes;
  classes.reserve(r.classes.size());
  for (const auto& entry : r.classes) classes.push_back(entry.second);
  return classes;
}

}  // namespace cd
