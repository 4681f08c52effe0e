// The binary -> text formatter: lays objects of the binary form out as object text, CR LF line
// ends and two blanks of indentation per nesting level.
#pragma once

#include <string>
#include <string_view>

#include "config/binary_reader.h"

namespace cd {

class TBinaryToText {
 public:
  // Formats from the binary form data, appending text to out.
  TBinaryToText(std::string_view data, std::string& out) : reader_(data), out_(out) {}

  // Formats one object ("TPF0" and its record) at the reading position. Malformed input
  // fails with EReadError.
  void ConvertObject();
  size_t Position() const { return reader_.Position(); }
  bool AtEnd() const { return reader_.AtEnd(); }

 private:
  void ConvertObjectAt(int level);
  void ConvertHeader(int level);
  void ConvertProperty(int level);
  void ConvertValue(int level, bool inList);
  void ConvertIdent(bool inList);
  void ConvertFloat();
  void ConvertSet(int level);
  void ConvertList(int level);
  void ConvertCollection(int level);
  void ConvertBinary(int level);
  void WriteNarrowString(std::string_view s, int level);
  void WriteWideString(std::u16string_view s, int level);
  void WriteIndent(int level);
  void EndLine();
  void NewLine(int level);
  void Enter();  // one nesting level deeper, within the limit
  // Names must read back as identifiers; dotted ones are allowed where the text allows them.
  const std::string& CheckName(const std::string& name, bool dotted, bool emptyAllowed) const;

  TBinaryReader reader_;
  std::string& out_;
  size_t lineStart_ = 0;
  int depth_ = 0;
};

}  // namespace cd
