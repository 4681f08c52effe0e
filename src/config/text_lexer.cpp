// Object-text lexer over a contiguous buffer. Blanks (codes 1 to 32) separate tokens and only
// LF counts lines; a zero byte ends the text like its real end.
#include "config/text_lexer.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "base/exceptions.h"
#include "config/number_text.h"
#include "util/format.h"

namespace cd {

namespace {

// Lines are read through a 4096-byte window that starts at a line start, so a line must end
// (with its LF) within 4096 bytes.
constexpr size_t kWindowSize = 4096;
// How far ahead line lengths are verified at once.
constexpr size_t kCheckAhead = 65536;
constexpr unsigned kMaxCharCode = 0xFFFF;

enum : uint8_t { kIdentStart = 1, kIdentChar = 2, kDigit = 4, kHex = 8, kFloatChar = 16 };

constexpr std::array<uint8_t, 256> MakeClasses() {
  std::array<uint8_t, 256> t{};
  for (int c = 'A'; c <= 'Z'; ++c) t[c] = t[c + 32] = kIdentStart | kIdentChar;
  t['_'] = kIdentStart | kIdentChar;
  for (int c = '0'; c <= '9'; ++c) t[c] = kIdentChar | kDigit | kHex | kFloatChar;
  for (int c = 'A'; c <= 'F'; ++c) t[c] |= kHex, t[c + 32] |= kHex;
  for (char c : {'.', 'e', 'E', '+', '-'}) t[static_cast<unsigned char>(c)] |= kFloatChar;
  return t;
}
constexpr std::array<uint8_t, 256> kClasses = MakeClasses();

bool Is(unsigned char c, uint8_t cls) { return (kClasses[c] & cls) != 0; }

unsigned char Upper(unsigned char c) { return c >= 'a' && c <= 'z' ? c - 32 : c; }

int HexValue(unsigned char c) {
  if (c <= '9') return c - '0';
  return Upper(c) - 'A' + 10;
}

}  // namespace

TTextLexer::TTextLexer(std::string_view text, int64_t baseOffset, int firstLine)
    : begin_(text.data()),
      end_(text.data() + text.size()),
      p_(begin_),
      safeEnd_(begin_),
      base_(baseOffset),
      line_(firstLine),
      tokenStart_(begin_),
      tokenEnd_(begin_) {}

void TTextLexer::ErrorAt(const std::string& message, const char* where) const {
  throw EParserError(Format("%s on line %d", {message, line_}), Offset(where));
}

void TTextLexer::Error(const std::string& message) const { ErrorAt(message, tokenStart_); }

// Verifies the lengths of the lines from the reading position (a line start) onward. A line
// too long at the reading position fails now; one further ahead stops the verified range at
// its start, so that it fails only when reading gets there.
void TTextLexer::CheckLines() {
  const char* q = p_;
  const char* limit = q + std::min<size_t>(kCheckAhead, static_cast<size_t>(end_ - q));
  while (q < end_ && *q != '\0') {
    const size_t avail = static_cast<size_t>(end_ - q);
    const void* lf = std::memchr(q, '\n', std::min(avail, kWindowSize));
    if (lf == nullptr) {
      if (avail < kWindowSize || std::memchr(q, '\0', kWindowSize) != nullptr) {
        q = end_;
        break;
      }
      if (q == p_) ErrorAt("Line too long", q);
      break;
    }
    q = static_cast<const char*>(lf) + 1;
    if (q >= limit) break;
  }
  safeEnd_ = q;
}

void TTextLexer::SkipBlanks() {
  for (;;) {
    if (p_ == safeEnd_ && p_ < end_) CheckLines();
    const unsigned char c = At(p_);
    if (c == 0 || c > ' ') return;
    if (c == '\n') ++line_;
    ++p_;
  }
}

TToken TTextLexer::NextToken() {
  SkipBlanks();
  tokenStart_ = p_;
  floatType_ = 0;
  const unsigned char c = At(p_);
  if (Is(c, kIdentStart)) {
    ++p_;
    while (Is(At(p_), kIdentChar)) ++p_;
    token_ = TToken::Symbol;
  } else if (c == '\'' || c == '#') {
    ReadString();
  } else if (c == '$') {
    ++p_;
    while (Is(At(p_), kHex)) ++p_;
    token_ = TToken::Integer;
  } else if (c == '-' || Is(c, kDigit)) {
    ReadNumber();
  } else if (c == 0) {
    token_ = TToken::EndOfText;
  } else {
    ++p_;
    token_ = TToken::Char;
  }
  if (floatType_ == 0) tokenEnd_ = p_;
  return token_;
}

// An integer turns into a float when any float character follows its digits, and any number
// followed by a suffix letter is a float of that kind (the suffix is not part of the text).
void TTextLexer::ReadNumber() {
  ++p_;
  while (Is(At(p_), kDigit)) ++p_;
  token_ = TToken::Integer;
  while (Is(At(p_), kFloatChar)) {
    ++p_;
    token_ = TToken::Float;
  }
  const unsigned char s = Upper(At(p_));
  if (s == 'S' || s == 'C' || s == 'D') {
    token_ = TToken::Float;
    floatType_ = static_cast<char>(*p_);
    tokenEnd_ = p_++;
  }
}

void TTextLexer::ReadString() {
  str_.clear();
  wide_ = false;
  for (;;) {
    const unsigned char c = At(p_);
    if (c == '\'') {
      ReadQuotedPiece();
    } else if (c == '#') {
      ReadCharCode();
    } else {
      break;
    }
  }
  token_ = wide_ ? TToken::WString : TToken::String;
}

void TTextLexer::ReadQuotedPiece() {
  ++p_;
  for (;;) {
    const char* run = p_;
    while (p_ < end_ && *p_ != '\'' && *p_ != '\n' && *p_ != '\r' && *p_ != '\0') ++p_;
    if (wide_) {
      for (const char* q = run; q < p_; ++q) wstr_.push_back(static_cast<unsigned char>(*q));
    } else {
      str_.append(run, static_cast<size_t>(p_ - run));
    }
    if (At(p_) != '\'') ErrorAt("Invalid string constant", tokenStart_);
    ++p_;
    if (At(p_) != '\'') return;
    AppendChar('\'');
    ++p_;
  }
}

void TTextLexer::ReadCharCode() {
  ++p_;
  unsigned code = 0;
  while (Is(At(p_), kDigit)) {
    code = code * 10 + static_cast<unsigned>(*p_ - '0');
    if (code > kMaxCharCode) ErrorAt("Invalid string constant", tokenStart_);
    ++p_;
  }
  AppendChar(code);
}

// A code above 255 makes the whole string wide: what was read so far is widened byte by byte.
void TTextLexer::AppendChar(unsigned code) {
  if (!wide_ && code > 255) {
    wide_ = true;
    wstr_.assign(str_.size(), u'\0');
    for (size_t i = 0; i < str_.size(); ++i) wstr_[i] = static_cast<unsigned char>(str_[i]);
  }
  if (wide_) {
    wstr_.push_back(static_cast<char16_t>(code));
  } else {
    str_.push_back(static_cast<char>(code));
  }
}

bool TTextLexer::TokenSymbolIs(std::string_view keyword) const {
  if (token_ != TToken::Symbol || static_cast<size_t>(tokenEnd_ - tokenStart_) != keyword.size())
    return false;
  for (size_t i = 0; i < keyword.size(); ++i)
    if (Upper(static_cast<unsigned char>(tokenStart_[i])) !=
        Upper(static_cast<unsigned char>(keyword[i])))
      return false;
  return true;
}

int32_t TTextLexer::TokenInt() const {
  int32_t v = 0;
  if (!ParseInt32(TokenText(), v))
    Error(Format("'%s' is not a valid integer value", {TokenText()}));
  return v;
}

long double TTextLexer::TokenFloat() const {
  long double v = 0;
  if (!ParseFloat(TokenText(), v))
    Error(Format("'%s' is not a valid floating point value", {TokenText()}));
  return v;
}

int64_t TTextLexer::TokenCurrency() const {
  int64_t v = 0;
  if (!ParseCurrency(TokenText(), v))
    Error(Format("'%s' is not a valid floating point value", {TokenText()}));
  return v;
}

std::string_view TTextLexer::TokenComponentIdent() {
  CheckToken(TToken::Symbol);
  while (At(p_) == '.') {
    ++p_;
    if (!Is(At(p_), kIdentStart)) ErrorAt("Identifier expected", tokenStart_);
    while (Is(At(p_), kIdentChar)) ++p_;
  }
  tokenEnd_ = p_;
  return TokenText();
}

void TTextLexer::HexToBinary(std::string& out) {
  SkipBlanks();
  while (At(p_) != '}') {
    if (!Is(At(p_), kHex) || !Is(At(p_ + 1), kHex)) Error("Invalid binary value");
    do {
      out.push_back(static_cast<char>(HexValue(At(p_)) << 4 | HexValue(At(p_ + 1))));
      p_ += 2;
    } while (Is(At(p_), kHex) && Is(At(p_ + 1), kHex));
    SkipBlanks();
  }
  ++p_;
  NextToken();
}

void TTextLexer::CheckToken(TToken expected) const {
  if (token_ == expected) return;
  switch (expected) {
    case TToken::Symbol:
      Error("Identifier expected");
    case TToken::String:
    case TToken::WString:
      Error("String expected");
    case TToken::Integer:
    case TToken::Float:
      Error("Number expected");
    default:
      Error("Unexpected token");
  }
}

void TTextLexer::CheckChar(char expected) const {
  if (TokenChar() != expected) Error(Format("''%s'' expected", {std::string(1, expected)}));
}

void TTextLexer::CheckSymbol(std::string_view keyword) const {
  if (!TokenSymbolIs(keyword)) Error(Format("%s expected", {keyword}));
}

}  // namespace cd
