// Binary form -> object text, laid out the way the system writes configurations: everything it
// writes reads back to the same binary form.
#include "config/binary_to_text.h"

#include <charconv>
#include <cmath>

#include "base/exceptions.h"
#include "config/number_text.h"
#include "util/format.h"

namespace cd {

namespace {

// Objects, lists and collections nest at most this deep, counted as the text converter counts;
// it keeps the stack bounded and every written line shorter than the reader's 4096-byte window.
constexpr int kMaxDepth = 500;
// A set is continued on a new line rather than letting its line reach the reader's limit.
constexpr size_t kMaxLine = 3000;
// A string longer than this starts on its own line and is cut into lines of this many
// characters joined by " +".
constexpr size_t kLineLength = 64;
constexpr size_t kBytesPerLine = 32;

bool IsIdentStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool IsIdentChar(char c) { return IsIdentStart(c) || (c >= '0' && c <= '9'); }

template <typename Ch>
bool IsPrintable(Ch c) {
  const auto code = static_cast<std::make_unsigned_t<Ch>>(c);
  return code >= 32 && code <= 255 && code != '\'';
}

template <typename Ch>
bool SplitsPair(std::basic_string_view<Ch> s, size_t i) {
  if constexpr (sizeof(Ch) == 1) {
    return false;
  } else {
    return i > 0 && s[i - 1] >= 0xD800 && s[i - 1] <= 0xDBFF && s[i] >= 0xDC00 && s[i] <= 0xDFFF;
  }
}

void AppendInt(std::string& out, long long v) {
  char buf[24];
  const auto res = std::to_chars(buf, buf + sizeof buf, v);
  out.append(buf, res.ptr);
}

// Quoted runs of printable characters and "#code" for every other character (the quote
// too). Strings are bytes of a single-byte ANSI code page (windows-1250 for the Czech texts),
// so every byte is a whole character and a cut after 64 bytes never splits one; a double-byte
// code page is not supported. In wide strings a surrogate pair is kept on one line instead.
template <typename Ch, typename NewLineFn>
void WritePieces(std::basic_string_view<Ch> s, std::string& out, NewLineFn newLine) {
  if (s.size() > kLineLength) newLine();
  size_t i = 0;
  size_t lineStart = 0;
  while (i < s.size()) {
    if (IsPrintable(s[i])) {
      out.push_back('\'');
      while (i < s.size() && IsPrintable(s[i]) && i - lineStart < kLineLength)
        out.push_back(static_cast<char>(s[i++]));
      out.push_back('\'');
    } else {
      out.push_back('#');
      AppendInt(out, static_cast<std::make_unsigned_t<Ch>>(s[i++]));
    }
    if (i - lineStart >= kLineLength && i < s.size() && !SplitsPair(s, i)) {
      out.append(" +");
      newLine();
      lineStart = i;
    }
  }
}

}  // namespace

void TBinaryToText::WriteIndent(int level) { out_.append(static_cast<size_t>(level) * 2, ' '); }

void TBinaryToText::EndLine() {
  out_.append("\r\n");
  lineStart_ = out_.size();
}

void TBinaryToText::NewLine(int level) {
  EndLine();
  WriteIndent(level);
}

void TBinaryToText::Enter() {
  if (++depth_ > kMaxDepth) throw EReadError("Binary form nested too deeply");
}

const std::string& TBinaryToText::CheckName(const std::string& name, bool dotted,
                                            bool emptyAllowed) const {
  bool valid = name.empty() ? emptyAllowed : true;
  bool partStart = true;
  for (char c : name) {
    if (partStart) {
      valid = valid && IsIdentStart(c);
      partStart = false;
    } else if (c == '.' && dotted) {
      partStart = true;
    } else {
      valid = valid && IsIdentChar(c);
    }
  }
  if (!valid || (partStart && !name.empty()))
    throw EReadError(Format("Binary form: '%s' before offset %d is not a valid identifier",
                            {name, static_cast<unsigned long long>(reader_.Position())}));
  return name;
}

void TBinaryToText::ConvertObject() {
  reader_.ReadSignature();
  ConvertObjectAt(0);
}

void TBinaryToText::ConvertObjectAt(int level) {
  ConvertHeader(level);
  while (!reader_.EndOfList()) ConvertProperty(level + 1);
  while (!reader_.EndOfList()) {
    Enter();
    ConvertObjectAt(level + 1);
    --depth_;
  }
  WriteIndent(level);
  out_.append("end");
  EndLine();
}

void TBinaryToText::ConvertHeader(int level) {
  uint8_t flags;
  int32_t position;
  reader_.ReadPrefix(flags, position);
  const std::string className = reader_.ReadStr();
  const std::string objectName = reader_.ReadStr();
  WriteIndent(level);
  out_.append(flags & 1 ? "inherited " : "object ");
  if (!objectName.empty()) out_.append(CheckName(objectName, false, false)).append(": ");
  out_.append(CheckName(className, false, false));
  if (flags & 2) {
    out_.append(" [");
    AppendInt(out_, position);
    out_.push_back(']');
  }
  EndLine();
}

void TBinaryToText::ConvertProperty(int level) {
  WriteIndent(level);
  out_.append(CheckName(reader_.ReadStr(), true, false));
  out_.append(" = ");
  ConvertValue(level, false);
  EndLine();
}

void TBinaryToText::ConvertValue(int level, bool inList) {
  switch (reader_.NextValue()) {
    case TValueType::vaList:
      return ConvertList(level);
    case TValueType::vaInt8:
    case TValueType::vaInt16:
    case TValueType::vaInt32:
      return AppendInt(out_, reader_.ReadInteger());
    case TValueType::vaExtended:
    case TValueType::vaSingle:
    case TValueType::vaCurrency:
    case TValueType::vaDate:
      return ConvertFloat();
    case TValueType::vaString:
    case TValueType::vaLString:
      return WriteNarrowString(reader_.ReadString(), level);
    case TValueType::vaWString:
      return WriteWideString(reader_.ReadWideString(), level);
    case TValueType::vaIdent:
      return ConvertIdent(inList);
    case TValueType::vaFalse:
    case TValueType::vaTrue:
    case TValueType::vaNull:
    case TValueType::vaNil:
      out_.append(reader_.ReadIdent());
      return;
    case TValueType::vaBinary:
      return ConvertBinary(level);
    case TValueType::vaSet:
      return ConvertSet(level);
    case TValueType::vaCollection:
      return ConvertCollection(level);
  }
  throw EReadError(Format("Binary form: unknown value code %d at offset %d",
                          {static_cast<int>(reader_.NextValue()),
                           static_cast<unsigned long long>(reader_.Position())}));
}

// Floats have no text form for infinities and NaN, and an extended float that happens to be
// whole gets ".0" so that it does not read back as an integer.
void TBinaryToText::ConvertFloat() {
  const size_t at = reader_.Position();
  const TValueType type = reader_.NextValue();
  long double v = 0;
  const char* suffix = "";
  switch (type) {
    case TValueType::vaSingle:
      v = reader_.ReadSingle();
      suffix = "s";
      break;
    case TValueType::vaCurrency:
      AppendInt(out_, reader_.ReadCurrency());
      out_.push_back('c');
      return;
    case TValueType::vaDate:
      v = reader_.ReadDate();
      suffix = "d";
      break;
    default:
      v = reader_.ReadFloat();
  }
  if (!std::isfinite(v))
    throw EReadError(Format("Binary form: the float at offset %d is not a finite number",
                            {static_cast<unsigned long long>(at)}));
  const std::string text = FormatFloat(v);
  out_.append(text);
  if (*suffix == 0 && text.find_first_of(".E") == std::string::npos) out_.append(".0");
  out_.append(suffix);
}

// The text stores the identifier Null as code 0, which inside a list would end the list.
void TBinaryToText::ConvertIdent(bool inList) {
  const size_t at = reader_.Position();
  reader_.ReadValueType();
  const std::string ident = reader_.ReadStr();
  CheckName(ident, true, false);
  if (inList && ident.size() == 4 && (ident[0] | 32) == 'n' && (ident[1] | 32) == 'u' &&
      (ident[2] | 32) == 'l' && (ident[3] | 32) == 'l')
    throw EReadError(Format("Binary form: Null inside a list at offset %d",
                            {static_cast<unsigned long long>(at)}));
  out_.append(ident);
}

void TBinaryToText::ConvertSet(int level) {
  reader_.ReadValueType();
  out_.push_back('[');
  for (bool first = true;; first = false) {
    const std::string element = reader_.ReadStr();
    if (element.empty()) break;
    if (!first) out_.append(",");
    if (!first && out_.size() - lineStart_ + element.size() > kMaxLine) {
      NewLine(level + 1);
    } else if (!first) {
      out_.push_back(' ');
    }
    out_.append(CheckName(element, false, false));
  }
  out_.push_back(']');
}

void TBinaryToText::ConvertList(int level) {
  Enter();
  reader_.ReadValueType();
  out_.push_back('(');
  while (!reader_.EndOfList()) {
    NewLine(level + 1);
    ConvertValue(level + 1, true);
  }
  out_.push_back(')');
  --depth_;
}

void TBinaryToText::ConvertCollection(int level) {
  Enter();
  reader_.ReadValueType();
  out_.push_back('<');
  while (!reader_.EndOfList()) {
    NewLine(level + 1);
    out_.append("item");
    const TValueType t = reader_.NextValue();
    if (t == TValueType::vaInt8 || t == TValueType::vaInt16 || t == TValueType::vaInt32) {
      out_.append(" [");
      AppendInt(out_, reader_.ReadInteger());
      out_.push_back(']');
    }
    EndLine();
    if (reader_.ReadValueType() != TValueType::vaList)
      throw EReadError(Format("Binary form: collection item expected at offset %d",
                              {static_cast<unsigned long long>(reader_.Position() - 1)}));
    while (!reader_.EndOfList()) ConvertProperty(level + 2);
    WriteIndent(level + 1);
    out_.append("end");
  }
  out_.push_back('>');
  --depth_;
}

void TBinaryToText::ConvertBinary(int level) {
  static const char kHex[] = "0123456789ABCDEF";
  const std::string bytes = reader_.ReadBinary();
  out_.push_back('{');
  const bool multiLine = bytes.size() >= kBytesPerLine;
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (multiLine && i % kBytesPerLine == 0) NewLine(level + 1);
    const auto b = static_cast<unsigned char>(bytes[i]);
    out_.push_back(kHex[b >> 4]);
    out_.push_back(kHex[b & 15]);
  }
  out_.push_back('}');
}

void TBinaryToText::WriteNarrowString(std::string_view s, int level) {
  if (s.empty()) {
    out_.append("''");
    return;
  }
  WritePieces(s, out_, [this, level] { NewLine(level + 1); });
}

void TBinaryToText::WriteWideString(std::u16string_view s, int level) {
  if (s.empty()) {
    out_.append("''");
    return;
  }
  WritePieces(s, out_, [this, level] { NewLine(level + 1); });
}

}  // namespace cd
