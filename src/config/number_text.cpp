// Locale-independent number conversions of object text, built on std::from_chars and
// std::to_chars.
#include "config/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <algorithm>

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

namespace {

// The first 19 significant digits of a decimal (19 always fit in 64 bits) and the power of ten
// that scales them; later digits only round.
struct TDecimal {
  uint64_t mantissa = 0;
  int64_t exponent = 0;
  int kept = 0;
  bool roundUp = false;
  bool dropped = false;

  void Add(int digit, bool fraction) {
    if (mantissa == 0 && digit == 0) {
      if (fraction) --exponent;
    } else if (kept < 19) {
      mantissa = mantissa * 10 + static_cast<uint64_t>(digit);
      ++kept;
      if (fraction) --exponent;
    } else {
      if (!dropped) roundUp = digit >= 5;
      dropped = true;
      if (!fraction) ++exponent;
    }
  }
};

// 10^27 is the largest power of ten that a 64-bit significand holds exactly.
constexpr int kExactPower = 27;
constexpr int64_t kExponentCap = 100000;  // far beyond any finite long double

long double PowerOfTen(int n) {
  long double p = 1;
  for (int i = 0; i < n; ++i) p *= 10;
  return p;
}

// mantissa * 10^exponent with one rounding per step of at most 10^27.
long double Scale(long double v, int64_t exponent) {
  static const long double kStep = PowerOfTen(kExactPower);
  while (exponent > 0 && std::isfinite(v)) {
    const int n = static_cast<int>(std::min<int64_t>(exponent, kExactPower));
    v *= n == kExactPower ? kStep : PowerOfTen(n);
    exponent -= n;
  }
  while (exponent < 0 && v != 0) {
    const int n = static_cast<int>(std::min<int64_t>(-exponent, kExactPower));
    v /= n == kExactPower ? kStep : PowerOfTen(n);
    exponent += n;
  }
  return v;
}

bool ReadDigits(std::string_view text, size_t& i, TDecimal& d, bool fraction) {
  const size_t from = i;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) d.Add(text[i] - '0', fraction);
  return i > from;
}

bool ReadExponent(std::string_view text, size_t& i, int64_t& exponent) {
  if (i == text.size() || (text[i] != 'e' && text[i] != 'E')) return true;
  ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  const size_t from = i;
  int64_t e = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
    e = std::min(e * 10 + (text[i] - '0'), kExponentCap);
  exponent += negative ? -e : e;
  return i > from;
}

}  // namespace

// Our own conversion rather than the library's: std::from_chars for long double is limited
// to the double range on MinGW, and strtold depends on the C locale.
bool ParseFloat(std::string_view text, long double& value) {
  size_t i = 0;
  const bool negative = !text.empty() && text[0] == '-';
  if (negative) ++i;
  TDecimal d;
  bool any = ReadDigits(text, i, d, false);
  if (i < text.size() && text[i] == '.') {
    ++i;
    any = ReadDigits(text, i, d, true) || any;
  }
  if (!any || !ReadExponent(text, i, d.exponent) || i != text.size()) return false;
  long double v = static_cast<long double>(d.mantissa + (d.roundUp ? 1 : 0));
  v = Scale(v, d.exponent);
  if (!std::isfinite(v)) return false;
  value = negative ? -v : v;
  return true;
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
