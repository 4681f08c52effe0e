// TBinaryWriter: appends values of the binary form of object text to a byte buffer.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "config/binary_form.h"

namespace cd {

// Appends binary-form values to a byte buffer.
class TBinaryWriter {
 public:
  explicit TBinaryWriter(std::string& out) : out_(out) {}

  void WriteSignature();
  void WriteValueType(TValueType t);
  void WriteByte(uint8_t b);
  void WriteRaw(const void* data, size_t count);
  void WriteInt32Raw(int32_t v);
  // A short string: one length byte, then at most 255 bytes (longer text is cut).
  void WriteStr(std::string_view s);
  // The smallest of the codes 2, 3, 4 that holds v.
  void WriteInteger(int64_t v);
  // Code 6 up to 255 bytes, code 12 beyond.
  void WriteString(std::string_view s);
  // Code 18: characters as 16-bit units.
  void WriteWideString(std::u16string_view s);
  void WriteIdent(std::string_view ident);  // False/True/Null/nil become codes 8, 9, 0, 13
  void WriteBoolean(bool v);
  void WriteExtended(long double v);  // code 5, 10-byte extended precision
  void WriteSingle(float v);          // code 15
  void WriteCurrency(int64_t tenThousandths);  // code 16
  void WriteDate(double v);                    // code 17
  void WriteBinary(std::string_view bytes);    // code 10
  void WriteListBegin() { WriteValueType(TValueType::vaList); }
  void WriteListEnd() { WriteByte(0); }
  // Object record header: prefix byte when flags are set, class name, object name.
  void WritePrefix(uint8_t flags, int32_t position);
  // Prefix, class name and object name. A class name of 240 or more bytes gets a prefix byte
  // even without flags, so that its length byte cannot be taken for a prefix.
  void WriteObjectHeader(uint8_t flags, int32_t position, std::string_view className,
                         std::string_view objectName);
  std::string& Buffer() { return out_; }

 private:
  std::string& out_;
};

}  // namespace cd
