// The binary form of object text (the "TPF0" component stream): value codes and the
// primitive readers and writers shared by the converters, the object reader and writer,
// group files and node records. All numbers are little-endian.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace cd {

enum class TValueType : uint8_t {
  vaNull = 0,
  vaList = 1,
  vaInt8 = 2,
  vaInt16 = 3,
  vaInt32 = 4,
  vaExtended = 5,
  vaString = 6,
  vaIdent = 7,
  vaFalse = 8,
  vaTrue = 9,
  vaBinary = 10,
  vaSet = 11,
  vaLString = 12,
  vaNil = 13,
  vaCollection = 14,
  vaSingle = 15,
  vaCurrency = 16,
  vaDate = 17,
  vaWString = 18,
};

inline constexpr char kFilerSignature[4] = {'T', 'P', 'F', '0'};

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

// 80-bit extended precision from and to 10 little-endian bytes, independent of the host's
// long double.
void DoubleToExtended(long double v, uint8_t out[10]);
long double ExtendedToDouble(const uint8_t in[10]);

}  // namespace cd
