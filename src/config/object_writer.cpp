// The object writer: properties by kind and default, extra values, children.
#include "config/object_writer.h"

#include <vector>

#include "base/exceptions.h"
#include "config/collection.h"
#include "config/component.h"

namespace cd {

namespace {

// Sub-objects and collections are reached through accessors that take a mutable object;
// writing only reads through them.
TPersistent& Mutable(const TPersistent& object) { return const_cast<TPersistent&>(object); }

// Object trees deeper than the reader accepts cannot be read back; the same bound guards
// the recursion here against cycles of sub-objects.
constexpr int kMaxDepth = 200;

}  // namespace

void TObjectWriter::WriteRoot(const TComponent& root) {
  root_ = &root;
  depth_ = 0;
  w_.WriteSignature();
  WriteComponent(root);
}

void TObjectWriter::WriteComponent(const TComponent& component) {
  if (++depth_ > kMaxDepth) throw EWriteError("Objects nested too deeply");
  w_.WriteStr(component.ClassName());
  w_.WriteStr(component.Name());
  WriteProperties(component, "");
  w_.WriteListEnd();
  component.GetChildren([this](TComponent* child) { WriteComponent(*child); });
  w_.WriteListEnd();
  --depth_;
}

void TObjectWriter::WriteProperties(const TPersistent& object, const std::string& prefix) {
  if (++depth_ > kMaxDepth) throw EWriteError("Objects nested too deeply");
  for (const TPropInfo* prop : object.ClassType().AllProperties()) {
    if (prop->stored && !prop->stored(object)) continue;
    WriteProperty(object, *prop, prefix + prop->name);
  }
  for (const TExtraValue* extra : object.ClassType().AllExtras()) {
    if (extra->hasData && !extra->hasData(object)) continue;
    w_.WriteStr(prefix + extra->name);
    extra->write(object, w_);
  }
  --depth_;
}

void TObjectWriter::WriteProperty(const TPersistent& object, const TPropInfo& prop,
                                  const std::string& key) {
  switch (prop.kind) {
    case TPropKind::Integer:
    case TPropKind::Enum:
    case TPropKind::Set:
      WriteOrdinal(object, prop, key);
      return;
    case TPropKind::Float: {
      const long double v = prop.getFloat(object);
      if (prop.floatDefault && v == static_cast<long double>(*prop.floatDefault)) return;
      w_.WriteStr(key);
      w_.WriteExtended(v);
      return;
    }
    case TPropKind::String: {
      const std::string v = prop.getStr(object);
      if (v.empty()) return;
      w_.WriteStr(key);
      w_.WriteString(v);
      return;
    }
    case TPropKind::WideString: {
      const std::u16string v = prop.getWStr(object);
      if (v.empty()) return;
      w_.WriteStr(key);
      w_.WriteWideString(v);
      return;
    }
    case TPropKind::Object:
      if (const TPersistent* sub = prop.getObject(Mutable(object))) WriteProperties(*sub, key + ".");
      return;
    case TPropKind::Collection:
      if (const TCollection* c = prop.getCollection(Mutable(object))) {
        w_.WriteStr(key);
        WriteCollection(*c);
      }
      return;
    case TPropKind::Reference:
      if (const TComponent* target = prop.getRef(object)) {
        const std::string name = ReferenceName(*target);
        if (name.empty()) return;
        w_.WriteStr(key);
        w_.WriteIdent(name);
      }
      return;
    case TPropKind::Event: {
      const std::string handler = prop.getEvent(object);
      if (handler.empty()) return;
      w_.WriteStr(key);
      w_.WriteIdent(handler);
      return;
    }
  }
}

void TObjectWriter::WriteOrdinal(const TPersistent& object, const TPropInfo& prop,
                                 const std::string& key) {
  const int64_t v = prop.getOrd(object);
  if (prop.ordDefault && *prop.ordDefault == v) return;
  w_.WriteStr(key);
  if (prop.kind == TPropKind::Integer) {
    std::string ident;
    if (prop.identMapping && prop.identMapping->intToIdent &&
        prop.identMapping->intToIdent(static_cast<int32_t>(v), ident))
      w_.WriteIdent(ident);
    else
      w_.WriteInteger(v);
    return;
  }
  const std::vector<std::string>& names = prop.enumType->names;
  if (prop.kind == TPropKind::Enum) {
    if (v < 0 || v >= static_cast<int64_t>(names.size()))
      throw EWriteError("Invalid property value");
    w_.WriteIdent(names[static_cast<size_t>(v)]);
    return;
  }
  w_.WriteValueType(TValueType::vaSet);
  for (size_t i = 0; i < names.size() && i < 32; ++i)
    if (v & (int64_t{1} << i)) w_.WriteStr(names[i]);
  w_.WriteStr("");
}

void TObjectWriter::WriteCollection(const TCollection& collection) {
  w_.WriteValueType(TValueType::vaCollection);
  for (int i = 0; i < collection.Count(); ++i) {
    w_.WriteListBegin();
    WriteProperties(*collection.Items(i), "");
    w_.WriteListEnd();
  }
  w_.WriteListEnd();
}

// The name by which the reader finds target again: its names up the owner chain, without
// the root's; empty when a name on the way is missing.
std::string TObjectWriter::ReferenceName(const TComponent& target) const {
  if (&target == root_) return target.Name();
  std::vector<const TComponent*> chain;
  for (const TComponent* c = &target; c && c != root_; c = c->Owner()) chain.push_back(c);
  std::string name;
  for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
    if ((*it)->Name().empty()) return {};
    if (!name.empty()) name += '.';
    name += (*it)->Name();
  }
  return name;
}

}  // namespace cd
