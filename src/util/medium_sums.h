// TMediumSums: the SHA-256 sums of a medium, the file "SHA256SUMS" at its root in the form
// `sha256sum` writes and `sha256sum -c` checks: one line per file, 64 hexadecimal digits, two
// blanks (or a blank and "*"), the path relative to the root with "/" separators.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/sha256.h"

namespace cd {

inline constexpr const char* kSumsFileName = "SHA256SUMS";
inline constexpr const char* kSumsSignatureName = "SHA256SUMS.sig";
// The largest sums file that is read (a line is about 100 bytes).
inline constexpr int64_t kLargestSumsFile = int64_t{16} << 20;

class TMediumSums {
 public:
  // Reads the text of the sums file called name. A line that is not a sum, an escaped name
  // (a line beginning with "\"), an unsafe path or a path listed twice fails with
  // "\"<name>\" line <n>: <cause>". Lines end in LF or CR LF.
  static TMediumSums Parse(std::string_view text, const std::string& name);

  // Adds a line; a path listed already is refused as Parse refuses it.
  void Add(const std::string& path, const os::Sha256Digest& digest);
  // The lines in the order they were added, each ending in LF.
  std::string Text() const;
  size_t Count() const { return lines_.size(); }

  // The digest (lower-case hex) listed for path ("\" taken as "/", letter case ignored);
  // nullptr when path is not listed.
  const std::string* Find(std::string_view path) const;
  // The digest listed for path; fails with "File \"<fileName>\" is not listed in
  // \"SHA256SUMS\" of the medium" when there is none.
  const std::string& Require(std::string_view path, const std::string& fileName) const;
  // Fails with "File \"<fileName>\" is damaged on the medium (SHA-256 <actual>, expected
  // <expected>)" unless actual is expected.
  static void Check(const std::string& fileName, const os::Sha256Digest& actual,
                    const std::string& expected);

 private:
  // Adds a line of hex digits; the cause of a refusal, empty when added.
  std::string AddLine(std::string path, std::string hex);

  std::vector<std::pair<std::string, std::string>> lines_;  // path, digest
  std::map<std::string, size_t> index_;                     // the path's key, its line
};

}  // namespace cd
