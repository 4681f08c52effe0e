// Text to integer conversion without locale dependence.
#include "config/int_convert.h"

#include "base/exceptions.h"
#include "util/format.h"

namespace cd {

namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool Parse(std::string_view s, int64_t& out) {
  size_t i = 0;
  while (i < s.size() && s[i] == ' ') ++i;
  bool negative = false;
  if (i < s.size() && (s[i] == '-' || s[i] == '+')) negative = s[i++] == '-';
  int base = 10;
  if (i < s.size() && s[i] == '$') {
    base = 16;
    ++i;
  } else if (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  if (i >= s.size()) return false;
  int64_t value = 0;
  for (; i < s.size(); ++i) {
    const int d = HexDigit(s[i]);
    if (d < 0 || d >= base) return false;
    value = value * base + d;
    if (value > 0xFFFFFFFFLL) return false;
  }
  // Hexadecimal text may spell the whole 32-bit pattern ($FFFFFFFF is -1).
  if (base == 16 && value > INT32_MAX) value -= 0x100000000LL;
  out = negative ? -value : value;
  return out >= INT32_MIN && out <= INT32_MAX;
}

}  // namespace

int32_t StrToInt(std::string_view text) {
  int64_t v = 0;
  if (!Parse(text, v))
    throw EConvertError(Format("'%s' is not a valid integer value", {text}));
  return static_cast<int32_t>(v);
}

}  // namespace cd
