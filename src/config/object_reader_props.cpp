// Stored property values of the binary form: qualified keys, each property kind, extra
// values, collections and references, with the "Error reading" wrapping of failures.
#include <algorithm>
#include <cmath>
#include <limits>

#include "base/exceptions.h"
#include "config/collection.h"
#include "config/object_reader.h"
#include "util/format.h"

namespace cd {

namespace {

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
