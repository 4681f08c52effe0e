// TComponentList: children as owned components, broadcast, edit hook, lookups by name and class.
#include "install/component_list.h"

#include <utility>

#include "base/exceptions.h"
#include "config/config_io.h"
#include "util/format.h"

namespace cd {

namespace {

TEditHook& EditHook() {
  static TEditHook hook;
  return hook;
}

// Calls SetConverting(True) now and SetConverting(False) when the conversion ends, also when
// it fails, so an object is never left in its converting state.
class TConvertingScope {
 public:
  explicit TConvertingScope(TComponentList& object) : object_(object) {
    object_.SetConverting(true);
  }
  ~TConvertingScope() { object_.SetConverting(false); }
  TConvertingScope(const TConvertingScope&) = delete;
  TConvertingScope& operator=(const TConvertingScope&) = delete;

 private:
  TComponentList& object_;
};

}  // namespace

TEditHook SetEditHook(TEditHook hook) {
  return std::exchange(EditHook(), std::move(hook));
}

const TClassInfo& TComponentList::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TComponentList>("TComponentList", &TComponent::StaticClass()).Build();
  return info;
}

TComponentList::TComponentList(TComponent* owner) : TComponent(owner) {}

TComponent* TComponentList::Child(int index) const {
  if (index < 0 || index >= ChildCount())
    throw EListError(Format("List index out of bounds (%d)", {index}));
  return Components(index);
}

int TComponentList::ChildIndex(const TComponent* child) const {
  for (int i = 0; i < ChildCount(); ++i)
    if (Components(i) == child) return i;
  return -1;
}

void TComponentList::GetChildren(const std::function<void(TComponent*)>& proc) const {
  for (int i = 0; i < ChildCount(); ++i) proc(Components(i));
}

bool TComponentList::OwnerFlag() const {
  const auto* ownerList = dynamic_cast<const TComponentList*>(Owner());
  return ownerList ? ownerList->OwnerFlag() : false;
}

std::unique_ptr<TComponentList> TComponentList::Clone() {
  std::string text;
  {
    TConvertingScope scope(*this);
    text = ObjectToString(this);
  }
  std::unique_ptr<TComponent> copy = StringToObject(text);
  auto* list = dynamic_cast<TComponentList*>(copy.get());
  if (!list) throw EInvalidCast();
  copy.release();
  return std::unique_ptr<TComponentList>(list);
}

void TComponentList::Broadcast(TBroadcastMessage& message) {
  Dispatch(message);
  for (int i = 0; i < ChildCount(); ++i) {
    TComponent* child = Components(i);
    if (auto* list = dynamic_cast<TComponentList*>(child))
      list->Broadcast(message);
    else if (auto* receiver = dynamic_cast<IMessageReceiver*>(child))
      receiver->Dispatch(message);
  }
}

void TComponentList::Edit() {
  const TEditHook& hook = EditHook();
  if (hook) hook(*this, EditorTitle(), HiddenProperties());
}

TComponent* GetObject(TComponentList& list, std::string_view name, const TClassInfo* cls) {
  if (name.empty() && !cls) throw Exception("THtmlFormInstance.GetObject: No info");
  TComponent* found = nullptr;
  for (int i = 0; i < list.ChildCount() && !found; ++i) {
    TComponent* child = list.Child(i);
    if (name.empty() ? child->Name().empty() && child->InheritsFrom(*cls)
                     : SameText(child->Name(), name))
      found = child;
  }
  if (found && cls && !found->InheritsFrom(*cls))
    throw Exception(
        Format("THtmlFormInstance.GetObject: Wrong object type (\"%s\")", {std::string(name)}));
  return found;
}

TComponent* GetOrCreateObject(TComponentList& list, std::string_view name, const TClassInfo& cls) {
  if (TComponent* found = GetObject(list, name, &cls)) return found;
  if (!cls.create || !cls.isComponent)
    throw Exception(Format("Cannot create an instance of class %s", {cls.name}));
  auto* created = static_cast<TComponent*>(cls.create(&list));
  try {
    created->SetName(std::string(name));
  } catch (...) {
    delete created;  // leaves the list at once
    throw;
  }
  return created;
}

std::string AsText(TComponentList& object) {
  TConvertingScope scope(object);
  return ObjectToString(&object);
}

}  // namespace cd
