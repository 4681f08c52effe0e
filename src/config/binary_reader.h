// TBinaryReader: reads values of the binary form of object text, checking every length.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "config/binary_form.h"

namespace cd {

// Reads binary-form values from a byte range; every length is checked against what remains
// and a short read fails with EReadError.
class TBinaryReader {
 public:
  explicit TBinaryReader(std::string_view data) : data_(data) {}

  size_t Position() const { return pos_; }
  void SetPosition(size_t pos);
  bool AtEnd() const { return pos_ >= data_.size(); }
  size_t Remaining() const { return data_.size() - pos_; }

  void ReadSignature();  // fails with EReadError "Invalid stream format" when not "TPF0"
  TValueType ReadValueType();
  TValueType NextValue() const;  // peeks at the next code without consuming it
  bool EndOfList();              // true (and consumes the 0) at an end marker
  void ReadListEnd();            // expects the 0 end marker
  uint8_t ReadByte();
  void ReadRaw(void* out, size_t count);
  std::string_view ReadBytes(size_t count);
  int32_t ReadInt32Raw();
  std::string ReadStr();  // short string

  // Typed values; a value of another code fails with EReadError "Invalid property value".
  int64_t ReadInteger();  // codes 2, 3, 4 (and currency/int64 are not accepted)
  std::string ReadString();  // codes 6, 12 (and 18 narrowed byte by byte when all fit)
  std::u16string ReadWideString();  // codes 18, 6, 12
  std::string ReadIdent();          // codes 7, 8, 9, 0, 13 as their identifiers
  bool ReadBoolean();
  long double ReadFloat();  // code 5, or an integer
  float ReadSingle();
  int64_t ReadCurrency();
  double ReadDate();
  std::string ReadBinary();  // code 10
  // Object record header: prefix flags and position (0 and -1 when absent).
  void ReadPrefix(uint8_t& flags, int32_t& position);
  // Skips one whole value of any code.
  void SkipValue();
  // Skips one property record (key and value).
  void SkipProperty();

 private:
  void Need(size_t count) const;          // fails unless count bytes remain
  size_t ReadLength(size_t unitSize);     // 4-byte count whose units must all remain
  int64_t ReadIntegerOfType(TValueType t);
  void SkipValueAt(int depth);
  void SkipCollection(int depth);

  std::string_view data_;
  size_t pos_ = 0;
};

}  // namespace cd
