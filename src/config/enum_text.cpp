// Enumeration, set and byte-set text conversions.
#include "config/enum_text.h"

#include "base/exceptions.h"
#include "config/int_convert.h"
#include "config/string_list.h"
#include "util/format.h"

namespace cd {

TTypeRef PropTypeRef(const TPropInfo& prop) {
  if (prop.kind == TPropKind::Enum && prop.enumType) return EnumTypeRef(*prop.enumType);
  if (prop.kind == TPropKind::Set && prop.enumType) return SetTypeRef(*prop.enumType);
  return {};
}

std::string EnumToString(TTypeRef type, int value, const TStringList* converter) {
  if (type.kind != TTypeKind::Enumeration || !type.enumType) throw EConvertError("EnumToString");
  if (converter) return converter->Strings(value);
  if (value < 0 || value >= static_cast<int>(type.enumType->names.size()))
    throw EConvertError(Format("EnumToString: \"%d\" is out of range", {value}));
  return type.enumType->names[static_cast<size_t>(value)];
}

int StringToEnum(TTypeRef type, std::string_view text, const TStringList* converter) {
  if (type.kind != TTypeKind::Enumeration || !type.enumType) throw EConvertError("StringToEnum");
  if (converter) {
    const int index = converter->IndexOf(text);
    if (index >= 0) return index;
  }
  const int index = type.enumType->IndexOf(text);
  if (index < 0) throw EConvertError(Format("StringToEnum: \"%s\" is not in Enum", {text}));
  return index;
}

std::string SetToString(TTypeRef setType, uint32_t value, const TStringList* converter) {
  if (setType.kind != TTypeKind::Set || !setType.enumType) throw EConvertError("SetToString");
  const TTypeRef element = EnumTypeRef(*setType.enumType);
  std::string out;
  for (int i = 0; i < 32; ++i) {
    if (!(value & (uint32_t{1} << i))) continue;
    if (!out.empty()) out += ',';
    out += EnumToString(element, i, converter);
  }
  return out;
}

void EnumToStrings(TTypeRef type, TStringList* list) {
  if (!list) return;
  if (type.kind == TTypeKind::Other || !type.enumType) throw EConvertError("EnumToStrings");
  list->Clear();
  for (const std::string& name : type.enumType->names) list->Add(name);
}

std::string ByteSetToText(const TByteSet& set) {
  std::string out;
  for (int i = 0; i < 256; ++i) {
    if (!set.test(static_cast<size_t>(i))) continue;
    out = out.empty() ? std::to_string(i) : Format("%s,%d", {out, i});
  }
  return out;
}

TByteSet TextToByteSet(std::string_view text) {
  TStringList pieces;
  pieces.SetCommaText(text);
  TByteSet set;
  for (const std::string& piece : pieces.Items()) {
    const int32_t v = StrToInt(piece);
    if (v >= 0 && v <= 255) set.set(static_cast<size_t>(v));
  }
  return set;
}

}  // namespace cd
