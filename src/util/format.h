// Delphi-style Format: %s %d %u %x %f %g %p %%, width and precision ("%2.2x"),
// argument index ("%0:s") and left alignment ("%-8s"). Used for every message of the system.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

namespace cd {

class FormatArg {
 public:
  FormatArg(int v) : value_(static_cast<int64_t>(v)) {}
  FormatArg(unsigned v) : value_(static_cast<int64_t>(v)) {}
  FormatArg(long v) : value_(static_cast<int64_t>(v)) {}
  FormatArg(unsigned long v) : value_(static_cast<int64_t>(v)) {}
  FormatArg(long long v) : value_(static_cast<int64_t>(v)) {}
  FormatArg(unsigned long long v) : value_(static_cast<int64_t>(v)) {}
  FormatArg(double v) : value_(v) {}
  FormatArg(const char* v) : value_(std::string(v ? v : "")) {}
  FormatArg(std::string_view v) : value_(std::string(v)) {}
  FormatArg(const std::string& v) : value_(v) {}

  const std::variant<int64_t, double, std::string>& Value() const { return value_; }

 private:
  std::variant<int64_t, double, std::string> value_;
};

// Fails with EConvertError ("Format '%s' invalid or incompatible with argument") on a
// directive that does not match its argument or names a missing one.
std::string Format(std::string_view pattern, std::initializer_list<FormatArg> args);

}  // namespace cd
