// Text conversions of enumeration and set values for property editing. A converter, when
// given, holds the display names of the enumeration's values in order.
#pragma once

#include <bitset>
#include <cstdint>
#include <string>
#include <string_view>

#include "config/prop_info.h"

namespace cd {

class TStringList;

enum class TTypeKind { Enumeration, Set, Other };

// A type as the conversions see it: an enumeration, a set of one, or anything else.
struct TTypeRef {
  TTypeKind kind = TTypeKind::Other;
  const TEnumTypeInfo* enumType = nullptr;  // the enumeration, or a set's element type
};

inline TTypeRef EnumTypeRef(const TEnumTypeInfo& type) { return {TTypeKind::Enumeration, &type}; }
inline TTypeRef SetTypeRef(const TEnumTypeInfo& element) { return {TTypeKind::Set, &element}; }
// The type of a stored property (enumerations and Booleans, sets, or other).
TTypeRef PropTypeRef(const TPropInfo& prop);

using TByteSet = std::bitset<256>;

// The value's declared name, or the converter's entry at value. Fails with "EnumToString"
// for a type that is no enumeration and "EnumToString: \"%d\" is out of range".
std::string EnumToString(TTypeRef type, int value, const TStringList* converter = nullptr);
// The index of text in the converter when found there, else the value whose declared name
// equals text without regard to letter case. Fails with "StringToEnum" for a type that is no
// enumeration and "StringToEnum: \"%s\" is not in Enum".
int StringToEnum(TTypeRef type, std::string_view text, const TStringList* converter = nullptr);
// The names of elements 0..31 present in value, ascending, joined by ",". Fails with
// "SetToString" for a type that is no set.
std::string SetToString(TTypeRef setType, uint32_t value, const TStringList* converter = nullptr);
// Replaces list's entries by the declared names of the (element) type's values; nothing when
// list is null. Fails with "EnumToStrings" when the (element) type is no enumeration.
void EnumToStrings(TTypeRef type, TStringList* list);

// Members in ascending decimal joined by ","; empty for the empty set.
std::string ByteSetToText(const TByteSet& set);
// Comma text of decimal integers; values outside 0..255 are ignored. A piece that is no
// integer fails with "'%s' is not a valid integer value".
TByteSet TextToByteSet(std::string_view text);

}  // namespace cd
