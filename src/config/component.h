// TComponent: a named storable object that owns other components and is destroyed with
// its owner; destroying a component removes it from its owner's list at once.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "config/persistent.h"

namespace cd {

class TComponent : public TPersistent {
 public:
  // The new component is owned by owner (appended to its components) when owner is given.
  explicit TComponent(TComponent* owner);
  ~TComponent() override;

  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  const std::string& Name() const { return name_; }
  // Fails with "''%s'' is not a valid component name" or "A component named %s already exists".
  void SetName(const std::string& newName);
  int32_t Tag() const { return tag_; }
  void SetTag(int32_t v) { tag_ = v; }

  TComponent* Owner() const { return owner_; }
  int ComponentCount() const { return static_cast<int>(components_.size()); }
  TComponent* Components(int index) const { return components_.at(index).get(); }
  // The owned component with that name, without regard to letter case; nullptr if none.
  TComponent* FindComponent(std::string_view componentName) const;

  // Takes ownership of component (appended last); it must have no owner.
  void InsertComponent(std::unique_ptr<TComponent> component);
  // The same at position index of the owned components.
  void InsertComponentAt(int index, std::unique_ptr<TComponent> component);
  // Gives up ownership of component; the caller owns the result.
  std::unique_ptr<TComponent> RemoveComponent(TComponent* component);
  void DestroyComponents();
  // Destroys every owned component for which doomed returns true, in one pass over the list
  // (removing them one by one would move the rest of the list each time).
  void DestroyComponentsIf(const std::function<bool(TComponent*)>& doomed);

  // Writing: the components written as nested objects (none by default).
  virtual void GetChildren(const std::function<void(TComponent*)>& proc) const;
  // Reading: the owner of nested objects read inside this one; nullptr means the root.
  virtual TComponent* GetChildOwner() { return nullptr; }
  // Reading: a nested object came with a position in brackets.
  virtual void SetChildOrder(TComponent*, int) {}
  // Reading: a nested object has been created and named under this one.
  virtual void ReadChild(TComponent*) {}

  TPersistent* GetOwner() const override { return owner_; }

  // True while the object reader fills this component from object text; the reader clears it
  // before the loaded notifications, so Loaded() and everything after see it false.
  bool IsReading() const { return reading_; }
  void SetReading(bool reading) { reading_ = reading; }

 private:
  std::string name_;
  int32_t tag_ = 0;
  bool reading_ = false;
  TComponent* owner_ = nullptr;
  std::vector<std::unique_ptr<TComponent>> components_;
  // Upper-cased name -> owned component, built once a component owns many (a configuration
  // may hold tens of thousands of items under one owner, and every name is checked).
  mutable std::unique_ptr<std::unordered_map<std::string, TComponent*>> nameIndex_;

  void IndexName(TComponent* component) const;
  void UnindexName(const TComponent* component) const;
};

// A valid identifier: a letter or "_" followed by letters, digits and "_".
bool IsValidIdent(std::string_view text);
// Compares without regard to ASCII letter case.
bool SameText(std::string_view a, std::string_view b);

}  // namespace cd
