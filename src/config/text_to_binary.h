// The text -> binary converter: checks the syntax of object blocks and writes their binary form.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "config/binary_writer.h"
#include "config/text_lexer.h"

namespace cd {

class TTextToBinary {
 public:
  // Converts blocks of text (whose first byte is at baseOffset of the caller's stream),
  // appending their binary form to out.
  TTextToBinary(std::string_view text, int64_t baseOffset, std::string& out, int firstLine = 1);

  // Converts the object block at the reading position ("TPF0" and its object record); then the
  // reading position is at the first character of the token after the block's "end".
  // Failures raise EParserError ("<message> on line <n>", the failing token's offset).
  void ConvertBlock();
  // True when nothing but the end of the text (or a zero byte) is at the reading position.
  bool AtEnd() const { return lex_.AtEnd(); }
  int64_t Offset() const { return lex_.Offset(lex_.Position()); }

 private:
  void ConvertObject(int depth);
  void ConvertHeader(bool isInherited);
  void ConvertProperty(int depth);
  void ConvertValue(int depth, bool inList);
  void ConvertString();
  void ConvertFloat();
  void ConvertSet();
  void ConvertList(int depth);
  void ConvertCollection(int depth);
  void ConvertBinary();
  bool TokenIs(char c) const { return lex_.TokenChar() == c; }

  TTextLexer lex_;
  std::string& out_;
  TBinaryWriter writer_;
  std::string key_;
  std::string joined_;
  std::u16string joinedWide_;
};

}  // namespace cd
