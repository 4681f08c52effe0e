// TBinaryWriter: appends values of the binary form to a byte buffer, little-endian.
#include "config/binary_writer.h"

#include <cstring>

#include "base/exceptions.h"
#include "config/extended.h"
#include "util/format.h"

namespace cd {

namespace {

bool SameTextAscii(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 32);
    if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 32);
    if (x != y) return false;
  }
  return true;
}

template <typename T>
void AppendLittleEndian(std::string& out, T v) {
  char bytes[sizeof(T)];
  std::memcpy(bytes, &v, sizeof(T));  // both targets are little-endian (x86)
  out.append(bytes, sizeof(T));
}

}  // namespace

void TBinaryWriter::WriteSignature() { out_.append(kFilerSignature, sizeof kFilerSignature); }

void TBinaryWriter::WriteValueType(TValueType t) { out_.push_back(static_cast<char>(t)); }

void TBinaryWriter::WriteByte(uint8_t b) { out_.push_back(static_cast<char>(b)); }

void TBinaryWriter::WriteRaw(const void* data, size_t count) {
  out_.append(static_cast<const char*>(data), count);
}

void TBinaryWriter::WriteInt32Raw(int32_t v) { AppendLittleEndian(out_, v); }

void TBinaryWriter::WriteStr(std::string_view s) {
  if (s.size() > 255) s = s.substr(0, 255);
  out_.push_back(static_cast<char>(s.size()));
  out_.append(s.data(), s.size());
}

void TBinaryWriter::WriteInteger(int64_t v) {
  if (v >= INT8_MIN && v <= INT8_MAX) {
    WriteValueType(TValueType::vaInt8);
    out_.push_back(static_cast<char>(v));
  } else if (v >= INT16_MIN && v <= INT16_MAX) {
    WriteValueType(TValueType::vaInt16);
    AppendLittleEndian(out_, static_cast<int16_t>(v));
  } else if (v >= INT32_MIN && v <= INT32_MAX) {
    WriteValueType(TValueType::vaInt32);
    AppendLittleEndian(out_, static_cast<int32_t>(v));
  } else {
    throw EWriteError(Format("Integer value %d does not fit in 32 bits", {static_cast<long long>(v)}));
  }
}

void TBinaryWriter::WriteString(std::string_view s) {
  if (s.size() <= 255) {
    WriteValueType(TValueType::vaString);
    out_.push_back(static_cast<char>(s.size()));
  } else {
    if (s.size() > INT32_MAX) throw EWriteError("String too long for the binary form");
    WriteValueType(TValueType::vaLString);
    AppendLittleEndian(out_, static_cast<int32_t>(s.size()));
  }
  out_.append(s.data(), s.size());
}

void TBinaryWriter::WriteWideString(std::u16string_view s) {
  if (s.size() > INT32_MAX / 2) throw EWriteError("String too long for the binary form");
  WriteValueType(TValueType::vaWString);
  AppendLittleEndian(out_, static_cast<int32_t>(s.size()));
  for (char16_t c : s) AppendLittleEndian(out_, static_cast<uint16_t>(c));
}

void TBinaryWriter::WriteIdent(std::string_view ident) {
  if (SameTextAscii(ident, "False")) {
    WriteValueType(TValueType::vaFalse);
  } else if (SameTextAscii(ident, "True")) {
    WriteValueType(TValueType::vaTrue);
  } else if (SameTextAscii(ident, "Null")) {
    WriteValueType(TValueType::vaNull);
  } else if (SameTextAscii(ident, "nil")) {
    WriteValueType(TValueType::vaNil);
  } else {
    WriteValueType(TValueType::vaIdent);
    WriteStr(ident);
  }
}

void TBinaryWriter::WriteBoolean(bool v) {
  WriteValueType(v ? TValueType::vaTrue : TValueType::vaFalse);
}

void TBinaryWriter::WriteExtended(long double v) {
  uint8_t bytes[10];
  DoubleToExtended(v, bytes);
  WriteValueType(TValueType::vaExtended);
  WriteRaw(bytes, sizeof bytes);
}

void TBinaryWriter::WriteSingle(float v) {
  WriteValueType(TValueType::vaSingle);
  AppendLittleEndian(out_, v);
}

void TBinaryWriter::WriteCurrency(int64_t tenThousandths) {
  WriteValueType(TValueType::vaCurrency);
  AppendLittleEndian(out_, tenThousandths);
}

void TBinaryWriter::WriteDate(double v) {
  WriteValueType(TValueType::vaDate);
  AppendLittleEndian(out_, v);
}

void TBinaryWriter::WriteBinary(std::string_view bytes) {
  if (bytes.size() > INT32_MAX) throw EWriteError("Binary value too long for the binary form");
  WriteValueType(TValueType::vaBinary);
  AppendLittleEndian(out_, static_cast<int32_t>(bytes.size()));
  out_.append(bytes.data(), bytes.size());
}

void TBinaryWriter::WritePrefix(uint8_t flags, int32_t position) {
  if (flags == 0) return;
  WriteByte(static_cast<uint8_t>(0xF0 | (flags & 0x0F)));
  if (flags & 2) WriteInteger(position);
}

void TBinaryWriter::WriteObjectHeader(uint8_t flags, int32_t position,
                                      std::string_view className, std::string_view objectName) {
  if (flags == 0 && className.size() >= 0xF0) WriteByte(0xF0);
  WritePrefix(flags, position);
  WriteStr(className);
  WriteStr(objectName);
}

}  // namespace cd
