// TStringList: entries, text forms and the stored extra value "Strings".
#include "config/string_list.h"

#include <algorithm>
#include <cctype>

#include "base/exceptions.h"
#include "config/binary_reader.h"
#include "config/binary_writer.h"
#include "config/component.h"
#include "config/list_value.h"
#include "util/format.h"

namespace cd {

namespace {

void CheckIndex(int index, int count) {
  if (index < 0 || index >= count)
    throw EListError(Format("List index out of bounds (%d)", {index}));
}

bool NeedsQuotes(const std::string& s) {
  for (char c : s)
    if (static_cast<unsigned char>(c) <= ' ' || c == '"' || c == ',') return true;
  return false;
}

std::string Quoted(const std::string& s) {
  std::string out = "\"";
  for (char c : s) {
    if (c == '"') out += '"';
    out += c;
  }
  return out + '"';
}

bool IsBlank(char c) { return c >= 1 && static_cast<unsigned char>(c) <= ' '; }

// A double-quoted piece starting at text[pos]; "" inside stands for one quote.
std::string ExtractQuoted(std::string_view text, size_t& pos) {
  std::string out;
  ++pos;
  while (pos < text.size()) {
    if (text[pos] == '"') {
      if (pos + 1 < text.size() && text[pos + 1] == '"') {
        out += '"';
        pos += 2;
        continue;
      }
      ++pos;
      break;
    }
    out += text[pos++];
  }
  return out;
}

int CompareNoCase(std::string_view a, std::string_view b) {
  const size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    // Names compared in a sorted list mostly share a long beginning: equal bytes need no
    // case conversion.
    if (a[i] == b[i]) continue;
    const int x = std::toupper(static_cast<unsigned char>(a[i]));
    const int y = std::toupper(static_cast<unsigned char>(b[i]));
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

// Inserts value in order; an entry equal without regard to case is kept instead.
int AddSorted(std::vector<std::string>& items, const std::string& value) {
  auto it = std::lower_bound(items.begin(), items.end(), value, [](const auto& a, const auto& b) {
    return CompareNoCase(a, b) < 0;
  });
  if (it != items.end() && CompareNoCase(*it, value) == 0) return static_cast<int>(it - items.begin());
  return static_cast<int>(items.insert(it, value) - items.begin());
}

// Brings items into order as adding each in turn to a sorted list would: an entry equal to an
// earlier one without regard to case is dropped.
void SortKeepingFirst(std::vector<std::string>& items) {
  std::stable_sort(items.begin(), items.end(),
                   [](const auto& a, const auto& b) { return CompareNoCase(a, b) < 0; });
  items.erase(std::unique(items.begin(), items.end(),
                          [](const auto& a, const auto& b) { return CompareNoCase(a, b) == 0; }),
              items.end());
}

}  // namespace

int TStringList::IndexOfName(std::string_view name) const {
  for (size_t i = 0; i < items_.size(); ++i) {
    const size_t eq = items_[i].find('=');
    if (eq != std::string::npos && SameText(std::string_view(items_[i]).substr(0, eq), name))
      return static_cast<int>(i);
  }
  return -1;
}

std::string TStringList::Values(std::string_view name) const {
  const int i = IndexOfName(name);
  if (i < 0) return {};
  const std::string& line = items_[static_cast<size_t>(i)];
  return line.substr(line.find('=') + 1);
}

void TStringList::SetValue(const std::string& name, const std::string& value) {
  const int i = IndexOfName(name);
  if (i >= 0)
    items_[static_cast<size_t>(i)] = name + "=" + value;
  else
    Add(name + "=" + value);
}

void TStringList::SetSorted(bool sorted) {
  if (sorted && !sorted_) SortKeepingFirst(items_);
  sorted_ = sorted;
}

const TClassInfo& TStringList::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TStringList>("TStringList", &TPersistent::StaticClass())
          .Extra(
              "Strings", [](TStringList& l, TBinaryReader& r) { l.items_ = ReadStringListValue(r); },
              [](const TStringList& l, TBinaryWriter& w) { WriteStringListValue(w, l.items_); },
              [](const TStringList& l) { return l.Count() > 0; })
          .Build();
  return info;
}

const std::string& TStringList::Strings(int index) const {
  CheckIndex(index, Count());
  return items_[static_cast<size_t>(index)];
}

void TStringList::SetString(int index, const std::string& value) {
  CheckIndex(index, Count());
  items_[static_cast<size_t>(index)] = value;
}

int TStringList::Add(const std::string& value) {
  if (sorted_) return AddSorted(items_, value);
  items_.push_back(value);
  return Count() - 1;
}

void TStringList::AddAll(const std::vector<std::string>& values) {
  items_.insert(items_.end(), values.begin(), values.end());
  if (sorted_) SortKeepingFirst(items_);
}

void TStringList::Insert(int index, const std::string& value) {
  CheckIndex(index, Count() + 1);
  items_.insert(items_.begin() + index, value);
}

void TStringList::Delete(int index) {
  CheckIndex(index, Count());
  items_.erase(items_.begin() + index);
}

int TStringList::IndexOf(std::string_view value) const {
  for (size_t i = 0; i < items_.size(); ++i)
    if (SameText(items_[i], value)) return static_cast<int>(i);
  return -1;
}

std::string TStringList::Text() const {
  std::string out;
  for (const std::string& s : items_) out += s + "\r\n";
  return out;
}

void TStringList::SetText(std::string_view text) {
  items_.clear();
  size_t pos = 0;
  while (pos < text.size()) {
    const size_t start = pos;
    while (pos < text.size() && text[pos] != '\n' && text[pos] != '\r') ++pos;
    items_.emplace_back(text.substr(start, pos - start));
    if (pos < text.size() && text[pos] == '\r') ++pos;
    if (pos < text.size() && text[pos] == '\n') ++pos;
  }
}

std::string TStringList::CommaText() const {
  if (items_.size() == 1 && items_[0].empty()) return "\"\"";
  std::string out;
  for (size_t i = 0; i < items_.size(); ++i) {
    if (i) out += ',';
    out += NeedsQuotes(items_[i]) ? Quoted(items_[i]) : items_[i];
  }
  return out;
}

void TStringList::SetCommaText(std::string_view text) {
  items_.clear();
  text = text.substr(0, text.find('\0'));  // a zero byte ends the text
  size_t pos = 0;
  while (pos < text.size() && IsBlank(text[pos])) ++pos;
  while (pos < text.size()) {
    if (text[pos] == '"') {
      items_.push_back(ExtractQuoted(text, pos));
    } else {
      const size_t start = pos;
      while (pos < text.size() && static_cast<unsigned char>(text[pos]) > ' ' && text[pos] != ',')
        ++pos;
      items_.emplace_back(text.substr(start, pos - start));
    }
    while (pos < text.size() && IsBlank(text[pos])) ++pos;
    if (pos < text.size() && text[pos] == ',') {
      do ++pos;
      while (pos < text.size() && IsBlank(text[pos]));
    }
  }
}

void TStringList::Assign(const TPersistent& source) {
  if (const auto* other = dynamic_cast<const TStringList*>(&source)) {
    if (other != this) items_ = other->items_;
    return;
  }
  TPersistent::Assign(source);
}

}  // namespace cd
