// Reading and writing the registry text of the POSIX layer.
#include "platform/registry_text.h"

#include <optional>

#include "platform/paths.h"

namespace cd::os {
namespace {

constexpr char kHex[] = "0123456789ABCDEF";

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// Two hex digits at text[pos], or -1.
int HexByte(std::string_view text, size_t pos) {
  if (pos + 1 >= text.size()) return -1;
  const int high = HexDigit(text[pos]), low = HexDigit(text[pos + 1]);
  return (high < 0 || low < 0) ? -1 : high * 16 + low;
}

bool IsControl(unsigned char c) {
  return c < 0x20 || c == 0x7F;
}

std::string EncodeKey(std::string_view key) {
  std::string out;
  for (unsigned char c : key) {
    if (IsControl(c) || c == '%' || c == '[' || c == ']' || c == '"') {
      out += '%';
      out += kHex[c >> 4];
      out += kHex[c & 0xF];
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

std::optional<std::string> DecodeKey(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') {
      out += text[i];
      continue;
    }
    const int byte = HexByte(text, i + 1);
    if (byte < 0) return std::nullopt;
    out += static_cast<char>(byte);
    i += 2;
  }
  return out;
}

std::string Quote(std::string_view value) {
  std::string out = "\"";
  for (unsigned char c : value) {
    if (c == '\\' || c == '"') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (IsControl(c)) {
      out += "\\x";
      out += kHex[c >> 4];
      out += kHex[c & 0xF];
    } else {
      out += static_cast<char>(c);
    }
  }
  return out + "\"";
}

// A quoted string starting at text[*pos] ('"'); *pos moves past its closing quote.
std::optional<std::string> Unquote(std::string_view text, size_t* pos) {
  if (*pos >= text.size() || text[*pos] != '"') return std::nullopt;
  std::string out;
  for (size_t i = *pos + 1; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '"') {
      *pos = i + 1;
      return out;
    }
    if (c != '\\') {
      out += c;
    } else if (i + 1 < text.size() && (text[i + 1] == '\\' || text[i + 1] == '"')) {
      out += text[++i];
    } else if (i + 1 < text.size() && text[i + 1] == 'x' && HexByte(text, i + 2) >= 0) {
      out += static_cast<char>(HexByte(text, i + 2));
      i += 3;
    } else {
      return std::nullopt;
    }
  }
  return std::nullopt;
}

// A value line: '"name"="value"' or '@="value"'; false when malformed.
bool ParseValueLine(std::string_view line, std::string* name, std::string* value) {
  size_t pos = 0;
  if (!line.empty() && line[0] == '@') {
    name->clear();
    pos = 1;
  } else {
    auto quoted = Unquote(line, &pos);
    if (!quoted) return false;
    *name = *quoted;
  }
  if (pos >= line.size() || line[pos] != '=') return false;
  ++pos;
  auto quoted = Unquote(line, &pos);
  if (!quoted || pos != line.size()) return false;
  *value = *quoted;
  return true;
}

}  // namespace

std::string NormalKeyPath(std::string_view path) {
  std::string out;
  for (const std::string& part : SplitPathComponents(path)) {
    if (!out.empty()) out += '\\';
    out += part;
  }
  return out;
}

SectionedText ParseRegistryText(std::string_view text) {
  SectionedText keys;
  std::optional<std::string> key;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
      key = DecodeKey(line.substr(1, line.size() - 2));
      if (key) *key = NormalKeyPath(*key);
      if (key) keys.AddSection(*key);
      continue;
    }
    std::string name, value;
    if (key && ParseValueLine(line, &name, &value)) keys.Set(*key, name, value);
  }
  return keys;
}

std::string FormatRegistryText(const SectionedText& keys) {
  std::string text;
  for (const auto& section : keys.Sections()) {
    text += "[" + EncodeKey(section.name) + "]\n";
    for (const auto& entry : section.entries) {
      text += (entry.name.empty() ? std::string("@") : Quote(entry.name)) + "=" +
              Quote(entry.value) + "\n";
    }
  }
  return text;
}

}  // namespace cd::os
