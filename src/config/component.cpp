// Ownership and naming of components.
#include "config/component.h"

#include <algorithm>

#include "base/exceptions.h"
#include "util/format.h"

namespace cd {

namespace {

// Components of one owner are looked up through an index from this many on.
constexpr size_t kIndexThreshold = 32;

std::string UpperName(std::string_view name) {
  std::string key(name);
  for (char& c : key)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
  return key;
}

}  // namespace

bool SameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    unsigned char x = static_cast<unsigned char>(a[i]);
    unsigned char y = static_cast<unsigned char>(b[i]);
    if (x >= 'a' && x <= 'z') x -= 32;
    if (y >= 'a' && y <= 'z') y -= 32;
    if (x != y) return false;
  }
  return true;
}

bool IsValidIdent(std::string_view text) {
  if (text.empty()) return false;
  auto isAlpha = [](char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
  };
  if (!isAlpha(text[0])) return false;
  return std::all_of(text.begin() + 1, text.end(),
                     [&](char c) { return isAlpha(c) || (c >= '0' && c <= '9'); });
}

const TClassInfo& TComponent::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TComponent>("TComponent", &TPersistent::StaticClass())
          .Str(
              "Name", [](const TComponent& c) { return c.Name(); },
              [](TComponent& c, const std::string& v) { c.SetName(v); })
          .StoredWhen([](const TComponent&) { return false; })
          .Int("Tag", &TComponent::tag_)
          .Build();
  return info;
}

TComponent::TComponent(TComponent* owner) {
  if (owner) owner->InsertComponent(std::unique_ptr<TComponent>(this));
}

TComponent::~TComponent() {
  DestroyComponents();
  if (owner_) owner_->RemoveComponent(this).release();
}

void TComponent::SetName(const std::string& newName) {
  if (newName == name_) return;
  if (!newName.empty() && !IsValidIdent(newName))
    throw Exception(Format("''%s'' is not a valid component name", {newName}));
  if (owner_ && !newName.empty()) {
    TComponent* other = owner_->FindComponent(newName);
    if (other && other != this)
      throw Exception(Format("A component named %s already exists", {newName}));
  }
  if (owner_) owner_->UnindexName(this);
  name_ = newName;
  if (owner_) owner_->IndexName(this);
}

TComponent* TComponent::FindComponent(std::string_view componentName) const {
  if (componentName.empty()) return nullptr;
  if (components_.size() >= kIndexThreshold) {
    if (!nameIndex_) {
      nameIndex_ = std::make_unique<std::unordered_map<std::string, TComponent*>>();
      for (const auto& c : components_) IndexName(c.get());
    }
    auto it = nameIndex_->find(UpperName(componentName));
    return it == nameIndex_->end() ? nullptr : it->second;
  }
  for (const auto& c : components_)
    if (SameText(c->name_, componentName)) return c.get();
  return nullptr;
}

void TComponent::InsertComponent(std::unique_ptr<TComponent> component) {
  if (component->owner_) throw Exception("TComponent.InsertComponent: component already owned");
  if (!component->name_.empty() && FindComponent(component->name_))
    throw Exception(Format("A component named %s already exists", {component->name_}));
  component->owner_ = this;
  IndexName(component.get());
  components_.push_back(std::move(component));
}

void TComponent::InsertComponentAt(int index, std::unique_ptr<TComponent> component) {
  InsertComponent(std::move(component));
  auto it = components_.end() - 1;
  std::unique_ptr<TComponent> moved = std::move(*it);
  components_.erase(it);
  const int at = std::clamp(index, 0, ComponentCount());
  components_.insert(components_.begin() + at, std::move(moved));
}

std::unique_ptr<TComponent> TComponent::RemoveComponent(TComponent* component) {
  auto it = std::find_if(components_.begin(), components_.end(),
                         [component](const auto& p) { return p.get() == component; });
  if (it == components_.end()) return nullptr;
  std::unique_ptr<TComponent> result = std::move(*it);
  components_.erase(it);
  UnindexName(component);
  result->owner_ = nullptr;
  return result;
}

void TComponent::DestroyComponents() {
  nameIndex_.reset();
  while (!components_.empty()) {
    std::unique_ptr<TComponent> last = std::move(components_.back());
    components_.pop_back();
    last->owner_ = nullptr;
  }
}

void TComponent::DestroyComponentsIf(const std::function<bool(TComponent*)>& doomed) {
  std::vector<std::unique_ptr<TComponent>> removed;
  auto kept = components_.begin();
  for (auto& component : components_) {
    if (doomed(component.get())) {
      UnindexName(component.get());
      component->owner_ = nullptr;
      removed.push_back(std::move(component));
    } else {
      *kept++ = std::move(component);
    }
  }
  components_.erase(kept, components_.end());
}

void TComponent::GetChildren(const std::function<void(TComponent*)>&) const {}

void TComponent::IndexName(TComponent* component) const {
  if (nameIndex_ && !component->name_.empty())
    nameIndex_->emplace(UpperName(component->name_), component);
}

void TComponent::UnindexName(const TComponent* component) const {
  if (!nameIndex_ || component->name_.empty()) return;
  auto it = nameIndex_->find(UpperName(component->name_));
  if (it != nameIndex_->end() && it->second == component) nameIndex_->erase(it);
}

}  // namespace cd
