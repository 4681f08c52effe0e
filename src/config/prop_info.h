// Stored-property descriptors: one per key of a class, with its kind, default and typed
// accessors. The reader starts from the default and the writer leaves it out.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cd {

class TPersistent;
class TComponent;
class TCollection;

// The declared names of an enumeration's values in order (also the element type of a set).
struct TEnumTypeInfo {
  std::string name;
  std::vector<std::string> names;
  // Index of the value named text, compared without regard to ASCII letter case; -1 if none.
  int IndexOf(std::string_view text) const;
};

// Identifier <-> number mapping of an integer type (colours, cursors).
struct TIdentMapping {
  std::function<bool(std::string_view ident, int32_t& value)> identToInt;
  std::function<bool(int32_t value, std::string& ident)> intToIdent;
};

// A set of an enumeration held as a bit mask: element e is bit (1 << e).
template <class E>
constexpr uint32_t SetBit(E element) {
  return 1u << static_cast<int>(element);
}
template <class E>
constexpr bool InSet(uint32_t set, E element) {
  return (set & SetBit(element)) != 0;
}

enum class TPropKind {
  Integer,     // 32-bit signed
  Enum,        // enumeration, Boolean included
  Set,         // set of an enumeration, as a bit mask over the element ordinals
  Float,       // extended, single, currency or date
  String,
  WideString,
  Object,      // owned sub-object filled in place (string list, integer list, record-like)
  Collection,  // owned collection, refilled from a collection value
  Reference,   // reference to another component, resolved after reading
  Event,       // method binding; kept only as a name
};

enum class TFloatType { Extended, Single, Currency, Date };

struct TPropInfo {
  std::string name;
  TPropKind kind = TPropKind::Integer;
  const TEnumTypeInfo* enumType = nullptr;     // Enum, Set
  const TIdentMapping* identMapping = nullptr;  // Integer
  TFloatType floatType = TFloatType::Extended;
  bool isBoolean = false;

  // Stored default; a property without one is always written.
  std::optional<int64_t> ordDefault;
  std::optional<double> floatDefault;

  // Accessors by kind; an empty setter makes the property read-only.
  std::function<int64_t(const TPersistent&)> getOrd;  // Integer, Enum, Set
  std::function<void(TPersistent&, int64_t)> setOrd;
  std::function<long double(const TPersistent&)> getFloat;
  std::function<void(TPersistent&, long double)> setFloat;
  std::function<std::string(const TPersistent&)> getStr;
  std::function<void(TPersistent&, const std::string&)> setStr;
  std::function<std::u16string(const TPersistent&)> getWStr;
  std::function<void(TPersistent&, const std::u16string&)> setWStr;
  std::function<TPersistent*(TPersistent&)> getObject;        // Object
  std::function<TCollection*(TPersistent&)> getCollection;    // Collection
  std::function<TComponent*(const TPersistent&)> getRef;      // Reference
  std::function<void(TPersistent&, TComponent*)> setRef;
  std::function<std::string(const TPersistent&)> getEvent;    // Event (handler name)
  std::function<void(TPersistent&, const std::string&)> setEvent;

  // Whether the property is written at all (besides the default rule); empty means always.
  std::function<bool(const TPersistent&)> stored;

  bool ReadOnly() const;
};

}  // namespace cd
