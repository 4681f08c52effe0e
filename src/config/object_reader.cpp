// TObjectReader: object records of the binary form (roots, nested objects, references and the
// loaded notifications) and the stored property values (qualified keys, each property kind,
// extra values, collections and references), with the "Error reading" wrapping of failures.
#include "config/object_reader.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <mutex>

#include "base/exceptions.h"
#include "config/class_registry.h"
#include "config/collection.h"
#include "config/name_space.h"
#include "util/format.h"

namespace cd {
namespace {

constexpr uint8_t kInheritedFlag = 1;
constexpr uint8_t kPositionFlag = 2;

TComponent* CreateComponent(const TClassInfo& cls, TComponent* owner) {
  if (!cls.isComponent || !cls.create)
    throw EReadError(Format("Class %s cannot be created as a component", {cls.name}));
  return static_cast<TComponent*>(cls.create(owner));
}

// Clears the reading state of component and of every component it owns, at any depth.
void EndReading(TComponent& component) {
  component.SetReading(false);
  for (int i = 0; i < component.ComponentCount(); ++i) EndReading(*component.Components(i));
}

// name, or name_1, name_2 ... so that no other global component has it.
std::string UniqueGlobalName(const TComponent& self, const std::string& name) {
  std::string candidate = name;
  for (int i = 1;; ++i) {
    TComponent* other = FindGlobalComponent(candidate);
    if (!other || other == &self) return candidate;
    candidate = Format("%s_%d", {name, i});
  }
}

[[noreturn]] void InvalidValue() { throw EReadError("Invalid property value"); }

bool IsIntegerCode(TValueType t) {
  return t == TValueType::vaInt8 || t == TValueType::vaInt16 || t == TValueType::vaInt32;
}

std::string DisplayName(const TPersistent& instance) {
  if (const auto* c = dynamic_cast<const TComponent*>(&instance); c && !c->Name().empty())
    return c->Name();
  return instance.ClassName();
}

// Whether prop is declared by object's class or one of its ancestors, so that its typed
// accessors may be called on object.
bool HasProperty(const TPersistent& object, const TPropInfo& prop) {
  return object.ClassType().FindProperty(prop.name) == &prop;
}

// The object that a path step leads to from current; nullptr when it no longer exists.
TPersistent* Follow(TPersistent& current, const TPropInfo& prop, int itemIndex) {
  if (!HasProperty(current, prop)) return nullptr;
  switch (prop.kind) {
    case TPropKind::Object:
      return prop.getObject(current);
    case TPropKind::Reference:
      return prop.getRef(current);
    case TPropKind::Collection: {
      TCollection* c = prop.getCollection(current);
      if (!c || itemIndex < 0) return c;
      return itemIndex < c->Count() ? c->Items(itemIndex) : nullptr;
    }
    default:
      return nullptr;
  }
}

// Whether v is finite and within the range of the property's type (values are held as
// doubles); object text has no form for infinities and NaNs, so no stored value may hold one.
bool FitsFloatType(long double v, TFloatType type) {
  if (!std::isfinite(v)) return false;
  const long double magnitude = std::fabs(v);
  switch (type) {
    case TFloatType::Single:
      return magnitude <= std::numeric_limits<float>::max();
    case TFloatType::Currency:
      return magnitude <= 922337203685477.0L;  // 64-bit count of ten-thousandths
    default:
      return magnitude <= std::numeric_limits<double>::max();
  }
}

// Identifiers joined by ".", as a reference names an object.
bool IsDottedName(std::string_view name) {
  size_t start = 0;
  for (size_t dot = name.find('.'); dot != std::string_view::npos; dot = name.find('.', start)) {
    if (!IsValidIdent(name.substr(start, dot - start))) return false;
    start = dot + 1;
  }
  return IsValidIdent(name.substr(start));
}

}  // namespace

std::unique_ptr<TComponent> TObjectReader::ReadRoot() {
  std::lock_guard<std::recursive_mutex> guard(GlobalNameSpace());
  r_.ReadSignature();
  uint8_t flags = 0;
  int32_t position = 0;
  r_.ReadPrefix(flags, position);
  const std::string className = r_.ReadStr();
  const std::string name = r_.ReadStr();
  std::unique_ptr<TComponent> root(CreateComponent(FindClass(className), nullptr));
  root->SetName(name);
  ReadRootBody(*root);
  return root;
}

void TObjectReader::ReadRootInto(TComponent& instance) {
  std::lock_guard<std::recursive_mutex> guard(GlobalNameSpace());
  r_.ReadSignature();
  uint8_t flags = 0;
  int32_t position = 0;
  r_.ReadPrefix(flags, position);
  r_.ReadStr();  // the class named in the text is not compared with the instance's
  instance.SetName(UniqueGlobalName(instance, r_.ReadStr()));
  ReadRootBody(instance);
}

void TObjectReader::ReadRootBody(TComponent& root) {
  root_ = &root;
  fixups_.clear();
  loaded_.clear();
  depth_ = 0;
  root.SetReading(true);
  try {
    ReadBody(root);
    ResolveFixups();
  } catch (...) {
    EndReading(root);  // an instance read into outlives the failure
    throw;
  }
  EndReading(root);
  // The root is told first, then each nested object after the objects nested in it.
  root.Loaded();
  for (TComponent* c : loaded_)
    if (c != &root) c->Loaded();
  loaded_.clear();
}

void TObjectReader::ReadBody(TComponent& object) {
  pathRoot_ = &object;
  path_.clear();
  while (!r_.EndOfList()) ReadProperty(object);
  while (!r_.EndOfList()) ReadNested(object);
}

void TObjectReader::ReadNested(TComponent& parent) {
  if (++depth_ > kMaxDepth) throw EReadError("Objects nested too deeply");
  uint8_t flags = 0;
  int32_t position = 0;
  r_.ReadPrefix(flags, position);
  const std::string className = r_.ReadStr();
  const std::string name = r_.ReadStr();
  const bool inherited = (flags & kInheritedFlag) != 0;
  TComponent* child = inherited ? root_->FindComponent(name) : CreateChild(parent, className);
  if (!child) throw EReadError(Format("Ancestor for '%s' not found", {name}));
  child->SetReading(true);
  try {
    if (!inherited) {
      child->SetName(name);
      parent.ReadChild(child);
    }
    if (flags & kPositionFlag) parent.SetChildOrder(child, position);
    ReadBody(*child);
  } catch (...) {
    if (!inherited) delete child;  // leaves its owner's list as it goes
    throw;
  }
  if (!inherited || std::find(loaded_.begin(), loaded_.end(), child) == loaded_.end())
    loaded_.push_back(child);
  --depth_;
}

TComponent* TObjectReader::CreateChild(TComponent& parent, const std::string& className) {
  const TClassInfo* cls = root_->ClassType().FindFieldClass(className);
  if (!cls) cls = &FindClass(className);
  TComponent* owner = parent.GetChildOwner();
  return CreateComponent(*cls, owner ? owner : root_);
}

// A dotted name: the first part among the root's components (or the root itself, or a
// global component), each further part among the components of the one before.
TComponent* TObjectReader::FindNamed(std::string_view dottedName) const {
  TComponent* current = nullptr;
  size_t start = 0;
  while (start <= dottedName.size()) {
    const size_t dot = std::min(dottedName.find('.', start), dottedName.size());
    const std::string_view part = dottedName.substr(start, dot - start);
    if (!current) {
      current = root_->FindComponent(part);
      if (!current && SameText(part, root_->Name()) && !part.empty()) current = root_;
      if (!current) current = FindGlobalComponent(part);
    } else {
      current = current->FindComponent(part);
    }
    if (!current) return nullptr;
    start = dot + 1;
  }
  return current;
}

void TObjectReader::ReadProperty(TPersistent& instance) {
  const std::string key = r_.ReadStr();
  const size_t pathSize = path_.size();
  try {
    TPersistent* target = &instance;
    size_t start = 0;
    for (size_t dot = key.find('.'); dot != std::string::npos; dot = key.find('.', start)) {
      target = &Descend(*target, std::string_view(key).substr(start, dot - start));
      start = dot + 1;
    }
    ReadValue(*target, std::string_view(key).substr(start));
  } catch (const EAbort&) {
    // A user's cancel (or an install that already told the user) stays silent.
    throw;
  } catch (const Exception& e) {
    throw EReadError(
        Format("Error reading %s%s%s: %s", {DisplayName(instance), ".", key, e.Message()}));
  }
  path_.resize(pathSize);
}

TPersistent& TObjectReader::Descend(TPersistent& target, std::string_view part) {
  const TPropInfo* prop = target.ClassType().FindProperty(part);
  if (!prop) throw EReadError("Property does not exist");
  const bool objectTyped = prop->kind == TPropKind::Object ||
                           prop->kind == TPropKind::Collection ||
                           prop->kind == TPropKind::Reference;
  TPersistent* next = objectTyped ? Follow(target, *prop, -1) : nullptr;
  if (!next) throw EReadError("Invalid property path");
  path_.push_back({prop, -1});
  return *next;
}

void TObjectReader::ReadValue(TPersistent& target, std::string_view name) {
  if (const TPropInfo* prop = target.ClassType().FindProperty(name)) {
    ReadPropValue(target, *prop);
    return;
  }
  if (const TExtraValue* extra = target.ClassType().FindExtra(name)) {
    extra->read(target, r_);
    return;
  }
  throw EReadError("Property does not exist");
}

void TObjectReader::ReadPropValue(TPersistent& target, const TPropInfo& prop) {
  if (prop.ReadOnly()) throw EReadError("Property is read-only");
  switch (prop.kind) {
    case TPropKind::Integer:
      prop.setOrd(target, ReadIntegerValue(prop));
      return;
    case TPropKind::Enum: {
      const int index = prop.enumType->IndexOf(r_.ReadIdent());
      if (index < 0) InvalidValue();
      prop.setOrd(target, index);
      return;
    }
    case TPropKind::Set:
      prop.setOrd(target, ReadSetValue(prop));
      return;
    case TPropKind::Float: {
      const long double v = r_.ReadFloat();
      if (!FitsFloatType(v, prop.floatType)) InvalidValue();
      prop.setFloat(target, v);
      return;
    }
    case TPropKind::String:
      prop.setStr(target, r_.ReadString());
      return;
    case TPropKind::WideString:
      prop.setWStr(target, r_.ReadWideString());
      return;
    case TPropKind::Object:
      InvalidValue();  // filled only through qualified keys and its own extra values
    case TPropKind::Collection: {
      TCollection* collection = prop.getCollection(target);
      if (!collection) InvalidValue();
      ReadCollection(*collection, prop);
      return;
    }
    case TPropKind::Reference:
      ReadReference(target, prop);
      return;
    case TPropKind::Event: {
      const std::string handler = r_.ReadIdent();
      if (SameText(handler, "nil")) {
        prop.setEvent(target, std::string());
        return;
      }
      if (!IsValidIdent(handler)) InvalidValue();
      prop.setEvent(target, handler);
      return;
    }
  }
}

int64_t TObjectReader::ReadIntegerValue(const TPropInfo& prop) {
  if (r_.NextValue() != TValueType::vaIdent) return r_.ReadInteger();
  const std::string ident = r_.ReadIdent();
  int32_t value = 0;
  if (!prop.identMapping || !prop.identMapping->identToInt ||
      !prop.identMapping->identToInt(ident, value))
    InvalidValue();
  return value;
}

int64_t TObjectReader::ReadSetValue(const TPropInfo& prop) {
  if (r_.ReadValueType() != TValueType::vaSet) InvalidValue();
  uint32_t mask = 0;
  for (std::string element = r_.ReadStr(); !element.empty(); element = r_.ReadStr()) {
    const int index = prop.enumType->IndexOf(element);
    if (index < 0 || index >= 32) InvalidValue();
    mask |= uint32_t{1} << index;
  }
  return mask;
}

// Items replace the existing ones only when the value holds at least one; an order number
// before an item is read and ignored.
void TObjectReader::ReadCollection(TCollection& collection, const TPropInfo& prop) {
  if (r_.ReadValueType() != TValueType::vaCollection) InvalidValue();
  if (++depth_ > kMaxDepth) throw EReadError("Objects nested too deeply");
  collection.BeginUpdate();
  try {
    if (r_.NextValue() != TValueType::vaNull) collection.Clear();
    while (!r_.EndOfList()) {
      if (IsIntegerCode(r_.NextValue())) r_.ReadInteger();
      if (r_.ReadValueType() != TValueType::vaList) InvalidValue();
      TCollectionItem* item = collection.Add();
      path_.push_back({&prop, item->Index()});
      while (!r_.EndOfList()) ReadProperty(*item);
      path_.pop_back();
    }
  } catch (...) {
    collection.EndUpdate();
    throw;
  }
  collection.EndUpdate();
  --depth_;
}

void TObjectReader::ReadReference(TPersistent& target, const TPropInfo& prop) {
  const std::string name = r_.ReadIdent();
  if (SameText(name, "nil")) {
    prop.setRef(target, nullptr);
    return;
  }
  if (!IsDottedName(name)) InvalidValue();
  fixups_.push_back({pathRoot_, path_, &prop, name});
}

// References whose holder no longer exists (a collection refilled later in the text, say)
// are dropped; a name that names nothing leaves the reference unchanged.
void TObjectReader::ResolveFixups() {
  for (const Fixup& f : fixups_) {
    TPersistent* holder = f.component;
    for (const PathStep& step : f.path) {
      holder = holder ? Follow(*holder, *step.prop, step.itemIndex) : nullptr;
    }
    if (!holder || !HasProperty(*holder, *f.prop)) continue;
    if (TComponent* target = FindNamed(f.name)) f.prop->setRef(*holder, target);
  }
  fixups_.clear();
}

}  // namespace cd
