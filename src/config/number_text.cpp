// Locale-independent number conversions of object text, built on std::from_chars and
// std::to_chars.
#include "config/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace cd {

namespace {

bool AllDigits(std::string_view s) {
  if (s.empty()) return false;
  for (char c : s)
    if (c < '0' || c > '9') return false;
  return true;
}

}  // namespace

bool ParseInt32(std::string_view text, int32_t& value) {
  const char* first = text.data();
  const char* last = first + text.size();
  if (!text.empty() && text[0] == '$') {
    uint32_t bits = 0;
    if (text.size() == 1) return false;
    auto [ptr, ec] = std::from_chars(first + 1, last, bits, 16);
    if (ec != std::errc() || ptr != last) return false;
    value = static_cast<int32_t>(bits);
    return true;
  }
  const std::string_view digits = !text.empty() && text[0] == '-' ? text.substr(1) : text;
  if (!AllDigits(digits)) return false;
  auto [ptr, ec] = std::from_chars(first, last, value);
  return ec == std::errc() && ptr == last;
}

bool ParseFloat(std::string_view text, long double& value) {
  const char* first = text.data();
  const char* last = first + text.size();
  if (text.empty() || text[0] == '+') return false;
  auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::general);
  return ec == std::errc() && ptr == last && std::isfinite(value);
}

bool ParseCurrency(std::string_view text, int64_t& value) {
  const char* first = text.data();
  const char* last = first + text.size();
  const std::string_view digits = !text.empty() && text[0] == '-' ? text.substr(1) : text;
  if (AllDigits(digits)) {
    auto [ptr, ec] = std::from_chars(first, last, value);
    return ec == std::errc() && ptr == last;
  }
  long double f;
  if (!ParseFloat(text, f)) return false;
  f = std::nearbyint(f);
  // The int64 range is [-2^63, 2^63); both bounds are exact in long double.
  if (!(f >= -9223372036854775808.0L && f < 9223372036854775808.0L)) return false;
  value = static_cast<int64_t>(f);
  return true;
}

std::string FormatFloat(long double value) {
  if (value == 0) return std::signbit(value) ? "-0" : "0";
  // 15 significant digits as d.dddddddddddddde[+-]x, then laid out by the decimal exponent.
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14);
  std::string_view sci(buf, static_cast<size_t>(res.ptr - buf));
  const bool negative = sci[0] == '-';
  if (negative) sci.remove_prefix(1);
  const size_t ePos = sci.find('e');
  const int exponent = std::atoi(std::string(sci.substr(ePos + 1)).c_str());
  std::string digits;
  digits.push_back(sci[0]);
  digits.append(sci.substr(2, ePos - 2));
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

  std::string out = negative ? "-" : "";
  if (exponent >= 15 || exponent < -5) {
    out.push_back(digits[0]);
    if (digits.size() > 1) out.append(".").append(digits, 1);
    out.append("E").append(std::to_string(exponent));
  } else if (exponent < 0) {
    out.append("0.").append(static_cast<size_t>(-exponent - 1), '0').append(digits);
  } else if (static_cast<size_t>(exponent) + 1 >= digits.size()) {
    out.append(digits).append(static_cast<size_t>(exponent) + 1 - digits.size(), '0');
  } else {
    out.append(digits, 0, static_cast<size_t>(exponent) + 1)
        .append(".")
        .append(digits, static_cast<size_t>(exponent) + 1);
  }
  return out;
}

}  // namespace cd
