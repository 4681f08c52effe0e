// The tokens of object text: identifiers, strings, integers, floats and punctuation, read
// from one contiguous buffer with the line counter and the 4096-byte line limit.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace cd {

enum class TToken : uint8_t { EndOfText, Symbol, String, WString, Integer, Float, Char };

class TTextLexer {
 public:
  // text is the whole input from where the block starts; baseOffset is its offset in the
  // caller's stream (error positions are reported in stream offsets).
  TTextLexer(std::string_view text, int64_t baseOffset, int firstLine = 1);

  TToken NextToken();
  TToken Token() const { return token_; }
  // The punctuation character of a Char token (0 for other tokens).
  char TokenChar() const { return token_ == TToken::Char ? *tokenStart_ : '\0'; }
  std::string_view TokenText() const { return {tokenStart_, static_cast<size_t>(tokenEnd_ - tokenStart_)}; }
  bool TokenSymbolIs(std::string_view keyword) const;

  const std::string& TokenString() const { return str_; }          // String token
  const std::u16string& TokenWideString() const { return wstr_; }  // WString token
  int32_t TokenInt() const;        // Integer token, converted with the 32-bit range check
  long double TokenFloat() const;  // Float token without its suffix
  int64_t TokenCurrency() const;   // Float token with suffix c: count of ten-thousandths
  char FloatType() const { return floatType_; }  // 's', 'c', 'd' (either case) or 0

  // Extends a Symbol token by ".name" parts written without blanks (a dotted identifier).
  std::string_view TokenComponentIdent();
  // Reads hexadecimal pairs after "{" up to "}" (appending the bytes to out) and moves to the
  // token after "}".
  void HexToBinary(std::string& out);
  // Skips blanks without reading a token; used after the last "end" of a block.
  void SkipBlanks();

  void CheckToken(TToken expected) const;
  void CheckChar(char expected) const;
  void CheckSymbol(std::string_view keyword) const;  // "%s expected" with the keyword
  // Raises EParserError: "<message> on line <n>" at the current token's offset.
  [[noreturn]] void Error(const std::string& message) const;

  int Line() const { return line_; }
  // Stream offset of the current token's first character.
  int64_t TokenOffset() const { return Offset(tokenStart_); }
  // Stream offset of the reading position (after SkipBlanks: the next token's start).
  int64_t Offset(const char* p) const { return base_ + (p - begin_); }
  const char* Position() const { return p_; }
  // True when the reading position is at the end of the text or at a zero byte.
  bool AtEnd() const { return p_ >= end_ || *p_ == '\0'; }

 private:
  unsigned char At(const char* p) const { return p < end_ ? static_cast<unsigned char>(*p) : 0; }
  void CheckLines();
  void ReadString();
  void ReadQuotedPiece();
  void ReadCharCode();
  void AppendChar(unsigned code);
  void ReadNumber();
  [[noreturn]] void ErrorAt(const std::string& message, const char* where) const;

  const char* begin_;
  const char* end_;
  const char* p_;
  const char* safeEnd_;  // lines before this line start are known to be short enough
  int64_t base_;
  int line_;
  TToken token_ = TToken::EndOfText;
  const char* tokenStart_;
  const char* tokenEnd_;
  char floatType_ = 0;
  bool wide_ = false;
  std::string str_;
  std::u16string wstr_;
};

}  // namespace cd
