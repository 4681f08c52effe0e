// Delphi-style Format over a typed argument list.
#include "util/format.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <vector>

#include "base/exceptions.h"

namespace cd {
namespace {

[[noreturn]] void Invalid(std::string_view pattern) {
  throw EConvertError("Format '" + std::string(pattern) + "' invalid or incompatible with argument");
}

struct Directive {
  bool leftAlign = false;
  int width = -1;
  int precision = -1;
  char type = 0;
};

// Reads digits (or "*" taking an integer argument) at pos; returns -1 when there are none.
int ReadNumber(std::string_view pattern, size_t& pos, const std::vector<FormatArg>& args,
               size_t& argIndex) {
  if (pos < pattern.size() && pattern[pos] == '*') {
    ++pos;
    if (argIndex >= args.size()) Invalid(pattern);
    const auto* v = std::get_if<int64_t>(&args[argIndex++].Value());
    if (!v) Invalid(pattern);
    return static_cast<int>(*v);
  }
  if (pos >= pattern.size() || !std::isdigit(static_cast<unsigned char>(pattern[pos]))) return -1;
  int n = 0;
  while (pos < pattern.size() && std::isdigit(static_cast<unsigned char>(pattern[pos]))) {
    n = n * 10 + (pattern[pos++] - '0');
    if (n > 100000) Invalid(pattern);
  }
  return n;
}

std::string FormatInteger(int64_t v, const Directive& d) {
  std::string digits;
  bool negative = false;
  if (d.type == 'x') {
    uint64_t u = static_cast<uint64_t>(v);
    if (v >= INT32_MIN && v <= UINT32_MAX) u &= 0xFFFFFFFFull;
    char buf[32];
    std::snprintf(buf, sizeof buf, "%llX", static_cast<unsigned long long>(u));
    digits = buf;
  } else if (d.type == 'u') {
    uint64_t u = static_cast<uint64_t>(v);
    if (v >= INT32_MIN && v < 0) u &= 0xFFFFFFFFull;
    digits = std::to_string(u);
  } else {
    negative = v < 0;
    digits = std::to_string(negative ? 0 - static_cast<uint64_t>(v) : static_cast<uint64_t>(v));
  }
  // For integers the precision is the minimum number of digits.
  if (d.precision > 0 && static_cast<int>(digits.size()) < d.precision)
    digits.insert(0, d.precision - digits.size(), '0');
  return negative ? "-" + digits : digits;
}

// Delphi writes exponents without "+" and leading zeros in general format ("1E20", "1E-5")
// and with at least three digits in scientific format ("1.5E+000").
std::string DelphiExponent(std::string s, bool general) {
  const size_t e = s.find('E');
  if (e == std::string::npos) return s;
  const char sign = s[e + 1];
  std::string digits = s.substr(e + 2);
  if (general) {
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size() - 1));
    return s.substr(0, e + 1) + (sign == '-' ? "-" : "") + digits;
  }
  if (digits.size() < 3) digits.insert(0, 3 - digits.size(), '0');
  return s.substr(0, e + 2) + digits;
}

std::string FormatFloat(double v, const Directive& d) {
  const bool general = d.type == 'g', scientific = d.type == 'e';
  int precision = d.precision < 0 ? (general || scientific ? 15 : 2) : d.precision;
  precision = std::min(precision, 300);
  // Delphi's precision for %e counts all digits; C's counts those after the point.
  if (scientific) precision = std::max(precision, 1) - 1;
  const char directive[5] = {'%', '.', '*', general ? 'G' : (scientific ? 'E' : 'f'), 0};
  const int length = std::snprintf(nullptr, 0, directive, precision, v);
  std::string s(static_cast<size_t>(std::max(length, 0)) + 1, '\0');
  std::snprintf(s.data(), s.size(), directive, precision, v);
  s.pop_back();
  if (general || scientific) return DelphiExponent(s, general);
  if (d.type == 'n') {
    // Number format: thousands separators in the integer part.
    size_t end = s.find('.');
    if (end == std::string::npos) end = s.size();
    size_t start = s[0] == '-' ? 1 : 0;
    for (size_t i = end; i > start + 3; i -= 3) s.insert(i - 3, ",");
  }
  return s;
}

std::string Apply(std::string_view pattern, const Directive& d, const FormatArg& arg) {
  std::string text;
  const auto& value = arg.Value();
  switch (d.type) {
    case 'd':
    case 'u':
    case 'x': {
      const auto* v = std::get_if<int64_t>(&value);
      if (!v) Invalid(pattern);
      text = FormatInteger(*v, d);
      break;
    }
    case 'f':
    case 'g':
    case 'e':
    case 'n':
    case 'm': {
      double v;
      if (const auto* f = std::get_if<double>(&value))
        v = *f;
      else if (const auto* i = std::get_if<int64_t>(&value))
        v = static_cast<double>(*i);
      else
        Invalid(pattern);
      Directive fd = d;
      if (fd.type == 'm') fd.type = 'n';
      text = FormatFloat(v, fd);
      break;
    }
    case 's': {
      const auto* v = std::get_if<std::string>(&value);
      if (!v) Invalid(pattern);
      text = *v;
      if (d.precision >= 0 && text.size() > static_cast<size_t>(d.precision))
        text.resize(d.precision);
      break;
    }
    case 'p': {
      const auto* v = std::get_if<int64_t>(&value);
      if (!v) Invalid(pattern);
      Directive hex{false, 8, 8, 'x'};
      text = FormatInteger(*v, hex);
      break;
    }
    default:
      Invalid(pattern);
  }
  if (d.width > 0 && text.size() < static_cast<size_t>(d.width)) {
    const size_t pad = d.width - text.size();
    if (d.leftAlign)
      text.append(pad, ' ');
    else
      text.insert(0, pad, ' ');
  }
  return text;
}

}  // namespace

std::string Format(std::string_view pattern, std::initializer_list<FormatArg> argList) {
  const std::vector<FormatArg> args(argList);
  std::string out;
  out.reserve(pattern.size() + 32);
  size_t argIndex = 0;
  size_t pos = 0;
  while (pos < pattern.size()) {
    const char c = pattern[pos++];
    if (c != '%') {
      out += c;
      continue;
    }
    if (pos >= pattern.size()) Invalid(pattern);
    if (pattern[pos] == '%') {
      out += '%';
      ++pos;
      continue;
    }
    Directive d;
    // "%0:s": an explicit argument index, after which numbering continues from it.
    // The probe must not use up the argument of a "*" width that is no index after all.
    size_t probe = pos;
    size_t probeArg = argIndex;
    int index = ReadNumber(pattern, probe, args, probeArg);
    if (index >= 0 && probe < pattern.size() && pattern[probe] == ':') {
      argIndex = static_cast<size_t>(index);
      pos = probe + 1;
    }
    if (pos < pattern.size() && pattern[pos] == '-') {
      d.leftAlign = true;
      ++pos;
    }
    d.width = ReadNumber(pattern, pos, args, argIndex);
    if (pos < pattern.size() && pattern[pos] == '.') {
      ++pos;
      d.precision = ReadNumber(pattern, pos, args, argIndex);
      if (d.precision < 0) d.precision = 0;
    }
    if (pos >= pattern.size()) Invalid(pattern);
    d.type = static_cast<char>(std::tolower(static_cast<unsigned char>(pattern[pos++])));
    if (argIndex >= args.size()) Invalid(pattern);
    out += Apply(pattern, d, args[argIndex++]);
  }
  return out;
}

}  // namespace cd
