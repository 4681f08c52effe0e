// Reading and writing win.ini text.
#include "platform/ini_text.h"

namespace cd::os {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

bool HasLineBreak(std::string_view s) {
  return s.find_first_of("\r\n") != std::string_view::npos;
}

bool IsTrimmed(std::string_view s) {
  return Trim(s).size() == s.size();
}

// Calls onLine for every line of text, without its CR LF or LF.
template <typename OnLine>
void ForEachLine(std::string_view text, OnLine onLine) {
  while (!text.empty()) {
    const size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    onLine(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
}

}  // namespace

SectionedText ParseIniText(std::string_view text) {
  SectionedText values;
  std::string section;
  bool inSection = false;
  ForEachLine(text, [&](std::string_view raw) {
    const std::string_view line = Trim(raw);
    if (line.empty() || line.front() == ';') return;
    if (line.front() == '[') {
      const size_t close = line.find(']');
      section =
          std::string(Trim(line.substr(1, close == std::string_view::npos ? close : close - 1)));
      inSection = true;
      values.AddSection(section);
      return;
    }
    const size_t equals = line.find('=');
    if (!inSection || equals == std::string_view::npos) return;
    const std::string name(Trim(line.substr(0, equals)));
    if (!values.Get(section, name))
      values.Set(section, name, std::string(Trim(line.substr(equals + 1))));
  });
  return values;
}

std::string FormatIniText(const SectionedText& values) {
  std::string text;
  for (const auto& section : values.Sections()) {
    text += "[" + section.name + "]\r\n";
    for (const auto& entry : section.entries) text += entry.name + "=" + entry.value + "\r\n";
  }
  return text;
}

std::string UnquoteIniValue(const std::string& value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

std::string QuoteIniValue(const std::string& value) {
  if (!IsTrimmed(value) || UnquoteIniValue(value).size() != value.size()) return '"' + value + '"';
  return value;
}

bool IsStorableIniSection(std::string_view section) {
  return IsTrimmed(section) && !HasLineBreak(section) &&
         section.find(']') == std::string_view::npos;
}

bool IsStorableIniName(std::string_view name) {
  return !name.empty() && IsTrimmed(name) && !HasLineBreak(name) &&
         name.find('=') == std::string_view::npos && name.front() != '[' && name.front() != ';';
}

bool IsStorableIniValue(std::string_view value) {
  return !HasLineBreak(value);
}

}  // namespace cd::os
