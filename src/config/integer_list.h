// TIntegerList: a storable list of signed 32-bit integers, stored under the extra value
// "BinList" (binary) or "StringList" (decimal strings), as SaveBinary chooses.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "config/persistent.h"

namespace cd {

enum class TDuplicates { dupIgnore, dupAccept, dupError };
const TEnumTypeInfo& DuplicatesType();

class TIntegerList : public TPersistent {
 public:
  TIntegerList() = default;
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  int Count() const { return static_cast<int>(items_.size()); }
  // Index errors fail with "List index out of bounds (%d)".
  int32_t Items(int index) const;
  void SetItem(int index, int32_t value);
  // Appends value (whatever Duplicates says) and returns its index.
  int Add(int32_t value);
  // Index of the first equal value; -1 if none.
  int IndexOf(int32_t value) const;
  void Delete(int index);
  void Clear() { items_.clear(); }
  const std::vector<int32_t>& Values() const { return items_; }

  bool SaveBinary() const { return saveBinary_; }
  void SetSaveBinary(bool v) { saveBinary_ = v; }
  TDuplicates Duplicates() const { return duplicates_; }
  void SetDuplicates(TDuplicates v) { duplicates_ = v; }

  // Copies the values of another TIntegerList (not SaveBinary or Duplicates).
  void Assign(const TPersistent& source) override;

  // The "BinList" bytes: the count, then each value, all 32-bit little-endian.
  std::string ToBinList() const;
  // Replaces the content from "BinList" bytes; fails with EReadError on a short or
  // inconsistent block.
  void FromBinList(std::string_view bytes);

 private:
  std::vector<int32_t> items_;
  bool saveBinary_ = true;
  TDuplicates duplicates_ = TDuplicates::dupIgnore;
};

}  // namespace cd
