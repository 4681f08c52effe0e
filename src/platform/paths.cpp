// Windows path helpers with Delphi semantics and the relative-name safety test.
#include "platform/paths.h"

#include <cstddef>

namespace cd::os {
namespace {

bool IsSeparator(char c) {
  return c == '\\' || c == '/';
}

char LowerAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Index just past the last "\" or ":"; 0 when there is none.
size_t NameStart(std::string_view name) {
  const size_t pos = name.find_last_of("\\:");
  return pos == std::string_view::npos ? 0 : pos + 1;
}

// Index of the "." that starts the extension of the last component, or npos.
size_t ExtensionStart(std::string_view name) {
  const size_t dot = name.find_last_of('.');
  if (dot == std::string_view::npos || dot < NameStart(name)) return std::string_view::npos;
  return dot;
}

// CON, PRN, AUX, NUL, COM1 to COM9 and LPT1 to LPT9 open a device instead of a file, with
// any extension and in any letter case: the part before the first "." decides, with the
// blanks that Windows drops at its end removed.
bool IsDeviceName(std::string_view part) {
  std::string_view stem = part.substr(0, part.find('.'));
  while (!stem.empty() && stem.back() == ' ') stem.remove_suffix(1);
  for (const char* device : {"con", "prn", "aux", "nul"}) {
    if (SameTextAscii(stem, device)) return true;
  }
  if (stem.size() != 4 || stem[3] < '1' || stem[3] > '9') return false;
  return SameTextAscii(stem.substr(0, 3), "com") || SameTextAscii(stem.substr(0, 3), "lpt");
}

bool IsSafeComponent(std::string_view part) {
  if (part.empty()) return false;
  if (part.find_first_not_of(". ") == std::string_view::npos) return false;
  const char last = part.back();
  if (last == '.' || last == ' ') return false;
  for (char c : part) {
    if (static_cast<unsigned char>(c) < 0x20 || c == ':') return false;
  }
  return !IsDeviceName(part);
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

}  // namespace

bool IsDrivePath(std::string_view path) {
  if (path.size() < 2 || path[1] != ':') return false;
  const char c = LowerAscii(path[0]);
  return c >= 'a' && c <= 'z';
}

std::string ExtractFilePath(std::string_view name) {
  return std::string(name.substr(0, NameStart(name)));
}

std::string ExtractFileName(std::string_view name) {
  return std::string(name.substr(NameStart(name)));
}

std::string ExtractFileExt(std::string_view name) {
  const size_t dot = ExtensionStart(name);
  return dot == std::string_view::npos ? std::string() : std::string(name.substr(dot));
}

std::string ChangeFileExt(std::string_view name, std::string_view ext) {
  const size_t dot = ExtensionStart(name);
  std::string result(dot == std::string_view::npos ? name : name.substr(0, dot));
  result += ext;
  return result;
}

std::string IncludeTrailingBackslash(std::string_view path) {
  std::string result(path);
  if (result.empty() || result.back() != '\\') result += '\\';
  return result;
}

std::string ExcludeTrailingBackslash(std::string_view path) {
  if (!path.empty() && path.back() == '\\') path.remove_suffix(1);
  return std::string(path);
}

std::string JoinPath(std::string_view dir, std::string_view name) {
  if (dir.empty()) return std::string(name);
  if (IsSeparator(dir.back())) return std::string(dir) + std::string(name);
  return std::string(dir) + '\\' + std::string(name);
}

std::vector<std::string> SplitPathComponents(std::string_view path) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (start <= path.size()) {
    size_t end = start;
    while (end < path.size() && !IsSeparator(path[end])) ++end;
    if (end > start) parts.emplace_back(path.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

bool IsSafeRelativeName(std::string_view name) {
  if (name.empty() || IsSeparator(name.front())) return false;
  size_t start = 0;
  while (true) {
    size_t end = start;
    while (end < name.size() && !IsSeparator(name[end])) ++end;
    if (!IsSafeComponent(name.substr(start, end - start))) return false;
    if (end == name.size()) return true;
    start = end + 1;
  }
}

bool IsFolderOnDrive(std::string_view path) {
  if (!IsDrivePath(path) || path.size() < 3 || !IsSeparator(path[2])) return false;
  std::string_view rest = path.substr(3);
  if (!rest.empty() && IsSeparator(rest.back())) rest.remove_suffix(1);
  return rest.empty() || IsSafeRelativeName(rest);
}

std::optional<std::string> NormalDrivePath(std::string_view answer) {
  while (!answer.empty() && IsBlank(answer.front())) answer.remove_prefix(1);
  while (!answer.empty() && IsBlank(answer.back())) answer.remove_suffix(1);
  if (!IsDrivePath(answer) || answer.size() < 3 || !IsSeparator(answer[2])) return std::nullopt;
  std::vector<std::string> kept;
  for (std::string& part : SplitPathComponents(answer.substr(3))) {
    if (part == ".") continue;
    if (part != "..") {
      kept.push_back(std::move(part));
    } else if (kept.empty()) {
      return std::nullopt;  // above the drive's root
    } else {
      kept.pop_back();
    }
  }
  std::string path(answer.substr(0, 2));
  for (const std::string& part : kept) path += '\\' + part;
  path += '\\';
  if (!IsFolderOnDrive(path)) return std::nullopt;
  return path;
}

bool MatchesMask(std::string_view name, std::string_view mask) {
  if (mask == "*.*") mask = "*";
  // Greedy matching with one back-tracking point: the last "*" seen.
  size_t n = 0, m = 0, starMask = std::string_view::npos, starName = 0;
  while (n < name.size()) {
    if (m < mask.size() && mask[m] == '*') {
      starMask = m++;
      starName = n;
    } else if (m < mask.size() && (mask[m] == '?' || LowerAscii(mask[m]) == LowerAscii(name[n]))) {
      ++n;
      ++m;
    } else if (starMask != std::string_view::npos) {
      m = starMask + 1;
      n = ++starName;
    } else {
      return false;
    }
  }
  while (m < mask.size() && mask[m] == '*') ++m;
  return m == mask.size();
}

bool SameTextAscii(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  }
  return true;
}

}  // namespace cd::os
