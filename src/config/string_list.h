// TStringList: an owned sub-object holding strings, stored under its extra value "Strings".
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "config/persistent.h"

namespace cd {

class TStringList : public TPersistent {
 public:
  TStringList() = default;
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  int Count() const { return static_cast<int>(items_.size()); }
  // Fails with "List index out of bounds (%d)".
  const std::string& Strings(int index) const;
  void SetString(int index, const std::string& value);
  int Add(const std::string& value);
  // Adds every value as Add would, in order; a sorted list sorts once instead of inserting
  // each value in its place.
  void AddAll(const std::vector<std::string>& values);
  void Insert(int index, const std::string& value);
  void Delete(int index);
  void Clear() { items_.clear(); }
  // Index of the first entry equal to value without regard to letter case; -1 if none.
  int IndexOf(std::string_view value) const;
  // The entries joined by CR LF, each followed by CR LF; SetText splits at CR LF,
  // LF or a lone CR.
  std::string Text() const;
  void SetText(std::string_view text);
  // Entries separated by commas (quoted with double quotes where needed); SetCommaText splits
  // at commas and blanks, double quotes grouping.
  std::string CommaText() const;
  void SetCommaText(std::string_view text);
  const std::vector<std::string>& Items() const { return items_; }

  // Name=value lines: the value of the first line whose name equals name without regard to
  // letter case (empty when none); SetValue replaces that line's value or appends a line.
  int IndexOfName(std::string_view name) const;
  std::string Values(std::string_view name) const;
  void SetValue(const std::string& name, const std::string& value);

  // A sorted list keeps its entries in ascending order without regard to letter case and
  // ignores an Add of an entry it already holds.
  bool Sorted() const { return sorted_; }
  void SetSorted(bool sorted);
  void Assign(const TPersistent& source) override;

 private:
  std::vector<std::string> items_;
  bool sorted_ = false;
};

}  // namespace cd
