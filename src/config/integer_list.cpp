// TIntegerList: values, index checks, the two stored forms and assignment.
#include "config/integer_list.h"

#include <cstring>

#include "base/exceptions.h"
#include "config/binary_reader.h"
#include "config/binary_writer.h"
#include "config/int_convert.h"
#include "config/list_value.h"
#include "util/format.h"

namespace cd {

namespace {

[[noreturn]] void IndexError(int index) {
  throw EListError(Format("List index out of bounds (%d)", {index}));
}

void ReadStringList(TIntegerList& list, TBinaryReader& r) {
  list.Clear();
  for (const std::string& s : ReadStringListValue(r)) list.Add(StrToInt(s));
}

void WriteStringList(const TIntegerList& list, TBinaryWriter& w) {
  std::vector<std::string> texts;
  texts.reserve(list.Values().size());
  for (int32_t v : list.Values()) texts.push_back(std::to_string(v));
  WriteStringListValue(w, texts);
}

}  // namespace

const TEnumTypeInfo& DuplicatesType() {
  static const TEnumTypeInfo info{"TDuplicates", {"dupIgnore", "dupAccept", "dupError"}};
  return info;
}

const TClassInfo& TIntegerList::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TIntegerList>("TIntegerList", &TPersistent::StaticClass())
          .Bool("SaveBinary", &TIntegerList::saveBinary_)
          .StoredWhen([](const TIntegerList& l) { return l.Count() > 0; })
          .Enum("Duplicates", &TIntegerList::duplicates_, DuplicatesType())
          .Extra(
              "BinList", [](TIntegerList& l, TBinaryReader& r) { l.FromBinList(r.ReadBinary()); },
              [](const TIntegerList& l, TBinaryWriter& w) { w.WriteBinary(l.ToBinList()); },
              [](const TIntegerList& l) { return l.saveBinary_ && l.Count() > 0; })
          .Extra("StringList", ReadStringList, WriteStringList,
                 [](const TIntegerList& l) { return !l.saveBinary_ && l.Count() > 0; })
          .Build();
  return info;
}

int32_t TIntegerList::Items(int index) const {
  if (index < 0 || index >= Count()) IndexError(index);
  return items_[static_cast<size_t>(index)];
}

void TIntegerList::SetItem(int index, int32_t value) {
  if (index < 0 || index >= Count()) IndexError(index);
  items_[static_cast<size_t>(index)] = value;
}

int TIntegerList::Add(int32_t value) {
  items_.push_back(value);
  return Count() - 1;
}

int TIntegerList::IndexOf(int32_t value) const {
  for (size_t i = 0; i < items_.size(); ++i)
    if (items_[i] == value) return static_cast<int>(i);
  return -1;
}

void TIntegerList::Delete(int index) {
  if (index < 0 || index >= Count()) IndexError(index);
  items_.erase(items_.begin() + index);
}

void TIntegerList::Assign(const TPersistent& source) {
  if (const auto* other = dynamic_cast<const TIntegerList*>(&source)) {
    if (other != this) items_ = other->items_;
    return;
  }
  TPersistent::Assign(source);
}

std::string TIntegerList::ToBinList() const {
  std::string out;
  out.reserve(4 + 4 * items_.size());
  auto put = [&out](uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
  };
  put(static_cast<uint32_t>(items_.size()));
  for (int32_t v : items_) put(static_cast<uint32_t>(v));
  return out;
}

void TIntegerList::FromBinList(std::string_view bytes) {
  auto get = [&bytes](size_t at) {
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<uint8_t>(bytes[at + i]);
    return v;
  };
  if (bytes.size() < 4) throw EReadError("Stream read error");
  const uint32_t count = get(0);
  // The block must hold every value its count announces.
  if (count > (bytes.size() - 4) / 4) throw EReadError("Stream read error");
  items_.resize(count);
  for (uint32_t i = 0; i < count; ++i) items_[i] = static_cast<int32_t>(get(4 + 4 * size_t{i}));
}

}  // namespace cd
