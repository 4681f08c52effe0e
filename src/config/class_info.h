// The metadata record of a storable class: name, parent, factory, stored properties in
// declaration order and declared extra values; plus a fluent builder over member pointers.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "config/prop_info.h"

namespace cd {

class TBinaryReader;
class TBinaryWriter;
class TCollectionItem;

// The Boolean type: False, True.
const TEnumTypeInfo& BooleanType();

// Named data of an object with its own read and write handlers ("Strings", "BinList", ...).
struct TExtraValue {
  std::string name;
  std::function<void(TPersistent&, TBinaryReader&)> read;
  std::function<void(const TPersistent&, TBinaryWriter&)> write;
  std::function<bool(const TPersistent&)> hasData;  // written only when true
};

class TClassInfo {
 public:
  std::string name;
  const TClassInfo* parent = nullptr;
  // Creates an instance owned by owner (components) or unowned; empty for abstract classes.
  std::function<TPersistent*(TComponent* owner)> create;
  // Creates an item of a collection (classes constructed from their collection); empty else.
  std::function<TCollectionItem*(TCollection* collection)> createItem;
  bool isComponent = false;
  std::vector<TPropInfo> props;  // this class's own, in declaration order
  std::vector<TExtraValue> extras;
  // Classes of the component fields the class declares; nested objects of a root of this
  // class are looked up here (and in the ancestors' lists) before the registry.
  std::vector<const TClassInfo*> fieldClasses;

  bool InheritsFrom(const TClassInfo& other) const;
  // Finds a property by name without regard to letter case, ancestors included.
  const TPropInfo* FindProperty(std::string_view propName) const;
  const TExtraValue* FindExtra(std::string_view extraName) const;
  // Every stored property, ancestors' first.
  std::vector<const TPropInfo*> AllProperties() const;
  std::vector<const TExtraValue*> AllExtras() const;
  // A field class named className (any letter case), ancestors' included; nullptr if none.
  const TClassInfo* FindFieldClass(std::string_view className) const;
};

// The stored default of an ordinal or floating-point key, against which the writer leaves the
// key out. Unstated, it is the value a new object holds: the builder reads it from a prototype
// that the class's factory makes, so the constructor's member initialisers are the one place a
// default is written. A stated value is for a key whose stored default differs from what a new
// object holds; std::nullopt for a key that is written whatever its value.
class TKeyDefault {
 public:
  enum TSource { kFromPrototype, kStated, kNone };

  TKeyDefault() = default;
  TKeyDefault(std::nullopt_t) : source_(kNone) {}
  template <class V>
    requires(std::is_arithmetic_v<V> || std::is_enum_v<V>)
  TKeyDefault(V value) : source_(kStated), value_(ToDouble(value)) {}

  TSource Source() const { return source_; }
  double Value() const { return value_; }

 private:
  template <class V>
  static double ToDouble(V value) {
    if constexpr (std::is_enum_v<V>)
      return static_cast<double>(static_cast<std::underlying_type_t<V>>(value));
    else
      return static_cast<double>(value);
  }

  TSource source_ = kFromPrototype;
  double value_ = 0;
};

template <class T>
class TClassBuilder {
 public:
  TClassBuilder(std::string className, const TClassInfo* parent) {
    info_.name = std::move(className);
    info_.parent = parent;
    info_.isComponent = std::is_base_of_v<TComponent, T>;
    if constexpr (!std::is_abstract_v<T> && std::is_constructible_v<T, TComponent*>) {
      info_.create = [](TComponent* owner) -> TPersistent* { return new T(owner); };
    } else if constexpr (!std::is_abstract_v<T> && std::is_default_constructible_v<T>) {
      info_.create = [](TComponent*) -> TPersistent* { return new T(); };
    }
    if constexpr (!std::is_abstract_v<T> && std::is_constructible_v<T, TCollection*> &&
                  !std::is_constructible_v<T, TComponent*>) {
      info_.createItem = [](TCollection* c) -> TCollectionItem* { return new T(c); };
    }
  }

  TClassBuilder& Int(std::string key, int32_t T::*member, TKeyDefault def = {}) {
    return Int(
        std::move(key), [member](const T& o) { return o.*member; },
        [member](T& o, int32_t v) { o.*member = v; }, def);
  }
  TClassBuilder& Int(std::string key, std::function<int32_t(const T&)> get,
                     std::function<void(T&, int32_t)> set, TKeyDefault def = {},
                     const TIdentMapping* mapping = nullptr) {
    TPropInfo& p = Add(std::move(key), TPropKind::Integer, def);
    p.identMapping = mapping;
    p.getOrd = [get](const TPersistent& o) -> int64_t { return get(static_cast<const T&>(o)); };
    if (set)
      p.setOrd = [set](TPersistent& o, int64_t v) { set(static_cast<T&>(o), static_cast<int32_t>(v)); };
    return *this;
  }
  TClassBuilder& Bool(std::string key, bool T::*member, TKeyDefault def = {}) {
    return Bool(
        std::move(key), [member](const T& o) { return o.*member; },
        [member](T& o, bool v) { o.*member = v; }, def);
  }
  TClassBuilder& Bool(std::string key, std::function<bool(const T&)> get,
                      std::function<void(T&, bool)> set, TKeyDefault def = {}) {
    TPropInfo& p = Add(std::move(key), TPropKind::Enum, def);
    p.enumType = &BooleanType();
    p.isBoolean = true;
    p.getOrd = [get](const TPersistent& o) -> int64_t { return get(static_cast<const T&>(o)); };
    if (set) p.setOrd = [set](TPersistent& o, int64_t v) { set(static_cast<T&>(o), v != 0); };
    return *this;
  }
  template <class E>
  TClassBuilder& Enum(std::string key, E T::*member, const TEnumTypeInfo& type,
                      TKeyDefault def = {}) {
    return Enum<E>(
        std::move(key), [member](const T& o) { return o.*member; },
        [member](T& o, E v) { o.*member = v; }, type, def);
  }
  template <class E>
  TClassBuilder& Enum(std::string key, std::type_identity_t<std::function<E(const T&)>> get,
                      std::type_identity_t<std::function<void(T&, E)>> set,
                      const TEnumTypeInfo& type, TKeyDefault def = {}) {
    TPropInfo& p = Add(std::move(key), TPropKind::Enum, def);
    p.enumType = &type;
    p.getOrd = [get](const TPersistent& o) -> int64_t {
      return static_cast<int64_t>(get(static_cast<const T&>(o)));
    };
    if (set)
      p.setOrd = [set](TPersistent& o, int64_t v) { set(static_cast<T&>(o), static_cast<E>(v)); };
    return *this;
  }
  // A set held as a bit mask: element n is bit (1 << n).
  TClassBuilder& Set(std::string key, uint32_t T::*member, const TEnumTypeInfo& type,
                     TKeyDefault def = {}) {
    return Set(
        std::move(key), [member](const T& o) { return o.*member; },
        [member](T& o, uint32_t v) { o.*member = v; }, type, def);
  }
  TClassBuilder& Set(std::string key, std::function<uint32_t(const T&)> get,
                     std::function<void(T&, uint32_t)> set, const TEnumTypeInfo& type,
                     TKeyDefault def = {}) {
    TPropInfo& p = Add(std::move(key), TPropKind::Set, def);
    p.enumType = &type;
    p.getOrd = [get](const TPersistent& o) -> int64_t { return get(static_cast<const T&>(o)); };
    if (set)
      p.setOrd = [set](TPersistent& o, int64_t v) {
        set(static_cast<T&>(o), static_cast<uint32_t>(v));
      };
    return *this;
  }
  TClassBuilder& Float(std::string key, double T::*member, TFloatType type = TFloatType::Extended,
                       TKeyDefault def = {}) {
    return Float(
        std::move(key), [member](const T& o) { return o.*member; },
        [member](T& o, double v) { o.*member = v; }, type, def);
  }
  TClassBuilder& Float(std::string key, std::function<double(const T&)> get,
                       std::function<void(T&, double)> set, TFloatType type = TFloatType::Extended,
                       TKeyDefault def = {}) {
    TPropInfo& p = Add(std::move(key), TPropKind::Float, def);
    p.floatType = type;
    p.getFloat = [get](const TPersistent& o) -> long double { return get(static_cast<const T&>(o)); };
    if (set)
      p.setFloat = [set](TPersistent& o, long double v) {
        set(static_cast<T&>(o), static_cast<double>(v));
      };
    return *this;
  }
  TClassBuilder& Str(std::string key, std::string T::*member) {
    return Str(
        std::move(key), [member](const T& o) { return o.*member; },
        [member](T& o, const std::string& v) { o.*member = v; });
  }
  TClassBuilder& Str(std::string key, std::function<std::string(const T&)> get,
                     std::function<void(T&, const std::string&)> set) {
    TPropInfo& p = Add(std::move(key), TPropKind::String);
    p.getStr = [get](const TPersistent& o) { return get(static_cast<const T&>(o)); };
    if (set)
      p.setStr = [set](TPersistent& o, const std::string& v) { set(static_cast<T&>(o), v); };
    return *this;
  }
  TClassBuilder& WStr(std::string key, std::u16string T::*member) {
    TPropInfo& p = Add(std::move(key), TPropKind::WideString);
    p.getWStr = [member](const TPersistent& o) { return static_cast<const T&>(o).*member; };
    p.setWStr = [member](TPersistent& o, const std::u16string& v) { static_cast<T&>(o).*member = v; };
    return *this;
  }
  // An owned sub-object, filled in place through qualified keys or its own extra values.
  TClassBuilder& Object(std::string key, std::function<TPersistent*(T&)> get) {
    TPropInfo& p = Add(std::move(key), TPropKind::Object);
    p.getObject = [get](TPersistent& o) { return get(static_cast<T&>(o)); };
    return *this;
  }
  TClassBuilder& Collection(std::string key, std::function<TCollection*(T&)> get) {
    TPropInfo& p = Add(std::move(key), TPropKind::Collection);
    p.getCollection = [get](TPersistent& o) { return get(static_cast<T&>(o)); };
    return *this;
  }
  TClassBuilder& Reference(std::string key, std::function<TComponent*(const T&)> get,
                           std::function<void(T&, TComponent*)> set) {
    TPropInfo& p = Add(std::move(key), TPropKind::Reference);
    p.getRef = [get](const TPersistent& o) { return get(static_cast<const T&>(o)); };
    if (set) p.setRef = [set](TPersistent& o, TComponent* v) { set(static_cast<T&>(o), v); };
    return *this;
  }
  TClassBuilder& Event(std::string key, std::string T::*member) {
    TPropInfo& p = Add(std::move(key), TPropKind::Event);
    p.getEvent = [member](const TPersistent& o) { return static_cast<const T&>(o).*member; };
    p.setEvent = [member](TPersistent& o, const std::string& v) { static_cast<T&>(o).*member = v; };
    return *this;
  }
  // Restricts writing of the last added property by a predicate.
  TClassBuilder& StoredWhen(std::function<bool(const T&)> pred) {
    info_.props.back().stored = [pred](const TPersistent& o) { return pred(static_cast<const T&>(o)); };
    return *this;
  }
  TClassBuilder& Extra(std::string extraName, std::function<void(T&, TBinaryReader&)> read,
                       std::function<void(const T&, TBinaryWriter&)> write,
                       std::function<bool(const T&)> hasData) {
    TExtraValue e;
    e.name = std::move(extraName);
    e.read = [read](TPersistent& o, TBinaryReader& r) { read(static_cast<T&>(o), r); };
    e.write = [write](const TPersistent& o, TBinaryWriter& w) { write(static_cast<const T&>(o), w); };
    e.hasData = [hasData](const TPersistent& o) { return hasData(static_cast<const T&>(o)); };
    info_.extras.push_back(std::move(e));
    return *this;
  }

  TClassBuilder& FieldClass(const TClassInfo& cls) {
    info_.fieldClasses.push_back(&cls);
    return *this;
  }

  // The metadata, with the unstated defaults read from a new object of the class.
  TClassInfo Build() {
    if (!fromPrototype_.empty()) {
      std::unique_ptr<T> prototype = NewPrototype();
      if (!prototype)
        throw std::logic_error(info_.name + ": an abstract class states the defaults of its keys");
      for (size_t index : fromPrototype_) {
        TPropInfo& p = info_.props[index];
        if (p.kind == TPropKind::Float)
          p.floatDefault = static_cast<double>(p.getFloat(*prototype));
        else
          p.ordDefault = p.getOrd(*prototype);
      }
    }
    return std::move(info_);
  }

 private:
  // A new object as the class's factory (or its collection) makes one; none for an abstract
  // class.
  static std::unique_ptr<T> NewPrototype() {
    if constexpr (std::is_abstract_v<T>)
      return nullptr;
    else if constexpr (std::is_constructible_v<T, TComponent*>)
      return std::make_unique<T>(static_cast<TComponent*>(nullptr));
    else if constexpr (std::is_constructible_v<T, TCollection*>)
      return std::make_unique<T>(static_cast<TCollection*>(nullptr));
    else if constexpr (std::is_default_constructible_v<T>)
      return std::make_unique<T>();
    else
      return nullptr;
  }

  TPropInfo& Add(std::string key, TPropKind kind) {
    TPropInfo p;
    p.name = std::move(key);
    p.kind = kind;
    info_.props.push_back(std::move(p));
    return info_.props.back();
  }
  TPropInfo& Add(std::string key, TPropKind kind, const TKeyDefault& def) {
    TPropInfo& p = Add(std::move(key), kind);
    if (def.Source() == TKeyDefault::kFromPrototype) {
      fromPrototype_.push_back(info_.props.size() - 1);
    } else if (def.Source() == TKeyDefault::kStated) {
      if (kind == TPropKind::Float)
        p.floatDefault = def.Value();
      else
        p.ordDefault = static_cast<int64_t>(def.Value());
    }
    return p;
  }

  TClassInfo info_;
  // Keys whose default is read from the prototype when the metadata is built.
  std::vector<size_t> fromPrototype_;
};

}  // namespace cd
