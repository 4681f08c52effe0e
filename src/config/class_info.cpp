// Lookups over class metadata.
#include "config/class_info.h"

#include "config/component.h"

namespace cd {

const TEnumTypeInfo& BooleanType() {
  static const TEnumTypeInfo info{"Boolean", {"False", "True"}};
  return info;
}

bool TClassInfo::InheritsFrom(const TClassInfo& other) const {
  for (const TClassInfo* c = this; c; c = c->parent)
    if (c == &other) return true;
  return false;
}

const TPropInfo* TClassInfo::FindProperty(std::string_view propName) const {
  for (const TClassInfo* c = this; c; c = c->parent)
    for (const TPropInfo& p : c->props)
      if (SameText(p.name, propName)) return &p;
  return nullptr;
}

const TExtraValue* TClassInfo::FindExtra(std::string_view extraName) const {
  for (const TClassInfo* c = this; c; c = c->parent)
    for (const TExtraValue& e : c->extras)
      if (SameText(e.name, extraName)) return &e;
  return nullptr;
}

std::vector<const TPropInfo*> TClassInfo::AllProperties() const {
  std::vector<const TClassInfo*> chain;
  for (const TClassInfo* c = this; c; c = c->parent) chain.push_back(c);
  std::vector<const TPropInfo*> result;
  for (auto it = chain.rbegin(); it != chain.rend(); ++it)
    for (const TPropInfo& p : (*it)->props) result.push_back(&p);
  return result;
}

std::vector<const TExtraValue*> TClassInfo::AllExtras() const {
  std::vector<const TClassInfo*> chain;
  for (const TClassInfo* c = this; c; c = c->parent) chain.push_back(c);
  std::vector<const TExtraValue*> result;
  for (auto it = chain.rbegin(); it != chain.rend(); ++it)
    for (const TExtraValue& e : (*it)->extras) result.push_back(&e);
  return result;
}

const TClassInfo* TClassInfo::FindFieldClass(std::string_view className) const {
  for (const TClassInfo* c = this; c; c = c->parent)
    for (const TClassInfo* f : c->fieldClasses)
      if (SameText(f->name, className)) return f;
  return nullptr;
}

}  // namespace cd
