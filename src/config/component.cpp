// Ownership and naming of components.
#include "config/component.h"

#include <algorithm>

#include "util/exceptions.h"
#include "util/format.h"

namespace cd {

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
  auto isAlpha = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; };
  if (!isAlpha(text[0])) return false;
  return std::all_of(text.begin() + 1, text.end(),
                     [&](char c) { return isAlpha(c) || (c >= '0' && c <= '9'); });
}

const TClassInfo& TComponent::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TComponent>("TComponent", &TPersistent::StaticClass())
          .Str("Name", [](const TComponent& c) { return c.Name(); },
               [](TComponent& c, const std::string& v) { c.SetName(v); })
          .StoredWhen([](const TComponent&) { return false; })
          .Int("Tag", &TComponent::tag_, 0)
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
  name_ = newName;
}

TComponent* TComponent::FindComponent(std::string_view componentName) const {
  if (componentName.empty()) return nullptr;
  for (const auto& c : components_)
    if (SameText(c->name_, componentName)) return c.get();
  return nullptr;
}

void TComponent::InsertComponent(std::unique_ptr<TComponent> component) {
  if (component->owner_) throw Exception("TComponent.InsertComponent: component already owned");
  if (!component->name_.empty() && FindComponent(component->name_))
    throw Exception(Format("A component named %s already exists", {component->name_}));
  component->owner_ = this;
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
  result->owner_ = nullptr;
  return result;
}

void TComponent::DestroyComponents() {
  while (!components_.empty()) {
    std::unique_ptr<TComponent> last = std::move(components_.back());
    components_.pop_back();
    last->owner_ = nullptr;
  }
}

void TComponent::GetChildren(const std::function<void(TComponent*)>&) const {}

}  // namespace cd
