// Object text -> binary form: a recursive-descent parser over the lexer's tokens that writes
// each construct as soon as it is recognised.
#include "config/text_to_binary.h"

#include <cmath>

#include "base/exceptions.h"
#include "util/format.h"

namespace cd {

namespace {

// Objects, lists and collections nest at most this deep: the stack stays bounded, and the
// text written back for the deepest value still fits the 4096-byte line window.
constexpr int kMaxDepth = 500;

// Names are carried with a one-byte length: a longer one is cut to 255 characters, and a dot
// left at the end of a cut dotted name goes too, so that the name still reads as one.
std::string_view CutName(std::string_view name) {
  if (name.size() <= 255) return name;
  name = name.substr(0, 255);
  while (!name.empty() && name.back() == '.') name.remove_suffix(1);
  return name;
}

}  // namespace

TTextToBinary::TTextToBinary(std::string_view text, int64_t baseOffset, std::string& out,
                             int firstLine)
    : lex_(text, baseOffset, firstLine), out_(out), writer_(out) {}

void TTextToBinary::ConvertBlock() {
  lex_.NextToken();
  writer_.WriteSignature();
  ConvertObject(0);
  lex_.SkipBlanks();
}

// Leaves the block's "end" as the current token.
void TTextToBinary::ConvertObject(int depth) {
  if (depth > kMaxDepth) lex_.Error("Object text nested too deeply");
  const bool isInherited = lex_.TokenSymbolIs("INHERITED");
  if (!isInherited) lex_.CheckSymbol("OBJECT");
  lex_.NextToken();
  ConvertHeader(isInherited);
  while (!lex_.TokenSymbolIs("END") && !lex_.TokenSymbolIs("OBJECT") &&
         !lex_.TokenSymbolIs("INHERITED"))
    ConvertProperty(depth);
  writer_.WriteListEnd();
  while (!lex_.TokenSymbolIs("END")) {
    ConvertObject(depth + 1);
    lex_.NextToken();
  }
  writer_.WriteListEnd();
}

void TTextToBinary::ConvertHeader(bool isInherited) {
  lex_.CheckToken(TToken::Symbol);
  std::string_view className = lex_.TokenText();
  std::string_view objectName;
  lex_.NextToken();
  if (TokenIs(':')) {
    lex_.NextToken();
    lex_.CheckToken(TToken::Symbol);
    objectName = className;
    className = lex_.TokenText();
    lex_.NextToken();
  }
  uint8_t flags = isInherited ? 1 : 0;
  int32_t position = -1;
  if (TokenIs('[')) {
    lex_.NextToken();
    lex_.CheckToken(TToken::Integer);
    position = lex_.TokenInt();
    lex_.NextToken();
    lex_.CheckChar(']');
    lex_.NextToken();
    flags |= 2;
  }
  writer_.WriteObjectHeader(flags, position, className, objectName);
}

void TTextToBinary::ConvertProperty(int depth) {
  lex_.CheckToken(TToken::Symbol);
  key_.assign(lex_.TokenText());
  lex_.NextToken();
  while (TokenIs('.')) {
    lex_.NextToken();
    lex_.CheckToken(TToken::Symbol);
    key_.push_back('.');
    key_.append(lex_.TokenText());
    lex_.NextToken();
  }
  writer_.WriteStr(CutName(key_));
  lex_.CheckChar('=');
  lex_.NextToken();
  ConvertValue(depth, false);
}

// Reads one value and moves to the token after it.
void TTextToBinary::ConvertValue(int depth, bool inList) {
  switch (lex_.Token()) {
    case TToken::Symbol: {
      const std::string_view ident = lex_.TokenComponentIdent();
      // Null is stored as code 0, the end marker of a list: inside a list it would end it.
      if (inList && lex_.TokenSymbolIs("Null")) break;
      writer_.WriteIdent(CutName(ident));
      lex_.NextToken();
      return;
    }
    case TToken::String:
    case TToken::WString:
      ConvertString();
      return;
    case TToken::Integer:
      writer_.WriteInteger(lex_.TokenInt());
      lex_.NextToken();
      return;
    case TToken::Float:
      ConvertFloat();
      lex_.NextToken();
      return;
    case TToken::Char:
      switch (lex_.TokenChar()) {
        case '[':
          ConvertSet();
          return;
        case '(':
          ConvertList(depth + 1);
          return;
        case '<':
          ConvertCollection(depth + 1);
          return;
        case '{':
          ConvertBinary();
          return;
        default:
          break;
      }
      break;
    case TToken::EndOfText:
      break;
  }
  lex_.Error("Invalid property value");
}

// Pieces joined by "+" make one string; it is wide when any piece is. The writer cuts a long
// wide string into lines of which some may hold only single-byte characters, so pieces of
// both widths must join for its output to read back.
void TTextToBinary::ConvertString() {
  bool wide = false;
  joined_.clear();
  for (;;) {
    if (lex_.Token() == TToken::WString && !wide) {
      wide = true;
      joinedWide_.clear();
      for (char c : joined_) joinedWide_.push_back(static_cast<unsigned char>(c));
    }
    if (lex_.Token() == TToken::WString) {
      joinedWide_.append(lex_.TokenWideString());
    } else if (wide) {
      for (char c : lex_.TokenString()) joinedWide_.push_back(static_cast<unsigned char>(c));
    } else {
      joined_.append(lex_.TokenString());
    }
    if (lex_.NextToken() != TToken::Char || !TokenIs('+')) break;
    if (lex_.NextToken() != TToken::WString) lex_.CheckToken(TToken::String);
  }
  if (wide) {
    writer_.WriteWideString(joinedWide_);
  } else {
    writer_.WriteString(joined_);
  }
}

void TTextToBinary::ConvertFloat() {
  const auto invalid = [this] {
    lex_.Error(Format("'%s' is not a valid floating point value", {lex_.TokenText()}));
  };
  switch (lex_.FloatType()) {
    case 's':
    case 'S': {
      const float v = static_cast<float>(lex_.TokenFloat());
      if (!std::isfinite(v)) invalid();
      writer_.WriteSingle(v);
      return;
    }
    case 'c':
    case 'C':
      writer_.WriteCurrency(lex_.TokenCurrency());
      return;
    case 'd':
    case 'D': {
      const double v = static_cast<double>(lex_.TokenFloat());
      if (!std::isfinite(v)) invalid();
      writer_.WriteDate(v);
      return;
    }
    default:
      writer_.WriteExtended(lex_.TokenFloat());
  }
}

void TTextToBinary::ConvertSet() {
  lex_.NextToken();
  writer_.WriteValueType(TValueType::vaSet);
  if (!TokenIs(']')) {
    for (;;) {
      lex_.CheckToken(TToken::Symbol);
      writer_.WriteStr(lex_.TokenText());
      lex_.NextToken();
      if (TokenIs(']')) break;
      lex_.CheckChar(',');
      lex_.NextToken();
    }
  }
  writer_.WriteStr("");
  lex_.NextToken();
}

void TTextToBinary::ConvertList(int depth) {
  if (depth > kMaxDepth) lex_.Error("Object text nested too deeply");
  lex_.NextToken();
  writer_.WriteListBegin();
  while (!TokenIs(')')) ConvertValue(depth, true);
  lex_.NextToken();
  writer_.WriteListEnd();
}

void TTextToBinary::ConvertCollection(int depth) {
  if (depth > kMaxDepth) lex_.Error("Object text nested too deeply");
  lex_.NextToken();
  writer_.WriteValueType(TValueType::vaCollection);
  while (!TokenIs('>')) {
    lex_.CheckSymbol("item");
    lex_.NextToken();
    if (TokenIs('[')) {
      lex_.NextToken();
      lex_.CheckToken(TToken::Integer);
      writer_.WriteInteger(lex_.TokenInt());
      lex_.NextToken();
      lex_.CheckChar(']');
      lex_.NextToken();
    }
    writer_.WriteListBegin();
    while (!lex_.TokenSymbolIs("END")) ConvertProperty(depth);
    writer_.WriteListEnd();
    lex_.NextToken();
  }
  writer_.WriteListEnd();
  lex_.NextToken();
}

// The byte count goes before the bytes; it is patched in once the hexadecimal text is read.
void TTextToBinary::ConvertBinary() {
  writer_.WriteValueType(TValueType::vaBinary);
  const size_t countAt = out_.size();
  writer_.WriteInt32Raw(0);
  const size_t start = out_.size();
  lex_.HexToBinary(out_);
  const size_t count = out_.size() - start;
  if (count > INT32_MAX) lex_.Error("Invalid binary value");
  const int32_t count32 = static_cast<int32_t>(count);
  out_.replace(countAt, sizeof count32, reinterpret_cast<const char*>(&count32), sizeof count32);
}

}  // namespace cd
