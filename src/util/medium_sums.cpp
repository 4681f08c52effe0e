// TMediumSums: reading and writing the sums file, finding and checking a file's digest.
#include "util/medium_sums.h"

#include <algorithm>

#include "base/exceptions.h"
#include "platform/paths.h"
#include "util/format.h"

namespace cd {
namespace {

// How a path is looked up: with "/" separators and in lower case, as the medium's file
// system finds it.
std::string KeyOf(std::string_view path) {
  std::string key(path);
  for (char& c : key) {
    if (c == '\\') c = '/';
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return key;
}

bool IsHexDigits(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
  });
}

// The cause of a line that is not a sum; empty when it is one, then hex and path are set.
std::string SplitLine(std::string_view line, std::string& hex, std::string& path) {
  if (!line.empty() && line[0] == '\\') return "escaped file names are not supported";
  if (line.size() < 67 || !IsHexDigits(line.substr(0, 64)) || line[64] != ' ' ||
      (line[65] != ' ' && line[65] != '*'))
    return "not a line of 64 hexadecimal digits, two blanks and a path";
  hex = KeyOf(line.substr(0, 64));
  path = std::string(line.substr(66));
  return {};
}

}  // namespace

TMediumSums TMediumSums::Parse(std::string_view text, const std::string& name) {
  TMediumSums sums;
  size_t lineNumber = 0;
  while (!text.empty()) {
    ++lineNumber;
    const size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    std::string hex;
    std::string path;
    std::string cause = SplitLine(line, hex, path);
    if (cause.empty()) cause = sums.AddLine(std::move(path), std::move(hex));
    if (!cause.empty())
      throw Exception(
          Format("\"%s\" line %d: %s", {name, static_cast<long long>(lineNumber), cause}));
  }
  return sums;
}

std::string TMediumSums::AddLine(std::string path, std::string hex) {
  if (!os::IsSafeRelativeName(path) || path.find('\\') != std::string::npos)
    return Format("the path \"%s\" is not a relative name with \"/\" separators", {path});
  if (!index_.emplace(KeyOf(path), lines_.size()).second)
    return Format("the path \"%s\" is listed twice", {path});
  lines_.emplace_back(std::move(path), std::move(hex));
  return {};
}

void TMediumSums::Add(const std::string& path, const os::Sha256Digest& digest) {
  const std::string cause = AddLine(path, os::DigestHex(digest));
  if (!cause.empty()) throw Exception(Format("\"%s\": %s", {kSumsFileName, cause}));
}

std::string TMediumSums::Text() const {
  std::string text;
  for (const auto& [path, hex] : lines_) text += hex + "  " + path + "\n";
  return text;
}

const std::string* TMediumSums::Find(std::string_view path) const {
  const auto found = index_.find(KeyOf(path));
  return found == index_.end() ? nullptr : &lines_[found->second].second;
}

const std::string& TMediumSums::Require(std::string_view path, const std::string& fileName) const {
  if (const std::string* hex = Find(path)) return *hex;
  throw Exception(
      Format("File \"%s\" is not listed in \"%s\" of the medium", {fileName, kSumsFileName}));
}

void TMediumSums::Check(const std::string& fileName, const os::Sha256Digest& actual,
                        const std::string& expected) {
  const std::string hex = os::DigestHex(actual);
  if (hex != expected) {
    throw Exception(Format("File \"%s\" is damaged on the medium (SHA-256 %s, expected %s)",
                           {fileName, hex, expected}));
  }
}

}  // namespace cd
