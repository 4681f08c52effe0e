// TComponentList: a component whose children are exactly its owned components, in order,
// written and read as nested objects; plus the lookups by name and class over such a list.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "base/exceptions.h"
#include "config/component.h"
#include "install/message_receiver.h"

namespace cd {

class TComponentList;

// The process-wide edit hook: (object, editor title, hidden property names).
using TEditHook = std::function<void(TComponentList&, const std::string&, const std::string&)>;
// Sets the hook; returns the one it replaces.
TEditHook SetEditHook(TEditHook hook);

class TComponentList : public TComponent, public IMessageReceiver {
 public:
  explicit TComponentList(TComponent* owner);

  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  int ChildCount() const { return ComponentCount(); }
  // The child at index (0-based); fails with "List index out of bounds (%d)".
  TComponent* Child(int index) const;
  // The position of child among the children; -1 when it is not one of them.
  int ChildIndex(const TComponent* child) const;

  // Writing writes every child as a nested object; reading creates nested objects with this
  // list as owner, in reading order (a position in brackets is ignored).
  void GetChildren(const std::function<void(TComponent*)>& proc) const override;
  TComponent* GetChildOwner() override { return this; }
  void SetChildOrder(TComponent*, int) override {}

  // The list's own message handlers; the base handles nothing.
  void Dispatch(TBroadcastMessage&) override {}

  // The virtual operations of every list, in slot order.
  virtual bool OwnerFlag() const;
  virtual void SetConverting(bool) {}
  virtual std::unique_ptr<TComponentList> Clone();
  virtual void Broadcast(TBroadcastMessage& message);
  virtual std::string EditorTitle() const { return {}; }
  virtual std::string HiddenProperties() const { return "Name,Tag"; }
  virtual void Edit();
};

// The first child named name (without regard to letter case); with an empty name, the first
// unnamed child of cls or a class derived from it. Fails with "THtmlFormInstance.GetObject:
// No info" when neither name nor cls is given, and with "THtmlFormInstance.GetObject: Wrong
// object type (\"%s\")" when the child found by name is not of cls.
TComponent* GetObject(TComponentList& list, std::string_view name, const TClassInfo* cls);
// GetObject, or a new instance of cls owned by list (its last child) and named name.
TComponent* GetOrCreateObject(TComponentList& list, std::string_view name, const TClassInfo& cls);

// GetOrCreateObject typed as T; fails with "Invalid class typecast" when the object found is
// not a T.
template <class T>
T* GetOrCreateObjectAs(TComponentList& list, std::string_view name = {}) {
  auto* object = dynamic_cast<T*>(GetOrCreateObject(list, name, T::StaticClass()));
  if (!object) throw EInvalidCast();
  return object;
}

// The object text of object, with SetConverting(True) around the conversion.
std::string AsText(TComponentList& object);

}  // namespace cd
