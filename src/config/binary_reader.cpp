// TBinaryReader: every read is checked against the data that remains, so truncated or
// hostile input fails with EReadError instead of reading past it.
#include "config/binary_reader.h"

#include <cstring>

#include "base/exceptions.h"
#include "config/extended.h"
#include "util/format.h"

namespace cd {

namespace {

// Lists and collections nest; deeper input is refused so that it cannot exhaust the stack.
constexpr int kMaxSkipDepth = 1000;

[[noreturn]] void InvalidValue() { throw EReadError("Invalid property value"); }

}  // namespace

void TBinaryReader::SetPosition(size_t pos) {
  if (pos > data_.size())
    throw EReadError(Format("Binary form position %d is beyond its end (%d bytes)",
                            {static_cast<unsigned long long>(pos),
                             static_cast<unsigned long long>(data_.size())}));
  pos_ = pos;
}

void TBinaryReader::Need(size_t count) const {
  if (count > Remaining())
    throw EReadError(Format("Binary form truncated: %d bytes needed at offset %d, %d remain",
                            {static_cast<unsigned long long>(count),
                             static_cast<unsigned long long>(pos_),
                             static_cast<unsigned long long>(Remaining())}));
}

void TBinaryReader::ReadSignature() {
  if (Remaining() < sizeof kFilerSignature ||
      std::memcmp(data_.data() + pos_, kFilerSignature, sizeof kFilerSignature) != 0)
    throw EReadError("Invalid stream format");
  pos_ += sizeof kFilerSignature;
}

TValueType TBinaryReader::ReadValueType() { return static_cast<TValueType>(ReadByte()); }

TValueType TBinaryReader::NextValue() const {
  Need(1);
  return static_cast<TValueType>(static_cast<uint8_t>(data_[pos_]));
}

bool TBinaryReader::EndOfList() {
  if (NextValue() != TValueType::vaNull) return false;
  ++pos_;
  return true;
}

void TBinaryReader::ReadListEnd() {
  if (ReadValueType() != TValueType::vaNull)
    throw EReadError(Format("Binary form: end of list expected at offset %d",
                            {static_cast<unsigned long long>(pos_ - 1)}));
}

uint8_t TBinaryReader::ReadByte() {
  Need(1);
  return static_cast<uint8_t>(data_[pos_++]);
}

void TBinaryReader::ReadRaw(void* out, size_t count) {
  Need(count);
  if (count > 0) std::memcpy(out, data_.data() + pos_, count);
  pos_ += count;
}

std::string_view TBinaryReader::ReadBytes(size_t count) {
  Need(count);
  std::string_view bytes = data_.substr(pos_, count);
  pos_ += count;
  return bytes;
}

int32_t TBinaryReader::ReadInt32Raw() {
  int32_t v;
  ReadRaw(&v, sizeof v);
  return v;
}

std::string TBinaryReader::ReadStr() {
  const uint8_t len = ReadByte();
  return std::string(ReadBytes(len));
}

size_t TBinaryReader::ReadLength(size_t unitSize) {
  const int32_t count = ReadInt32Raw();
  if (count < 0)
    throw EReadError(Format("Binary form: negative length %d at offset %d",
                            {count, static_cast<unsigned long long>(pos_ - 4)}));
  const size_t bytes = static_cast<size_t>(count) * unitSize;
  Need(bytes);
  return static_cast<size_t>(count);
}

int64_t TBinaryReader::ReadIntegerOfType(TValueType t) {
  switch (t) {
    case TValueType::vaInt8:
      return static_cast<int8_t>(ReadByte());
    case TValueType::vaInt16: {
      int16_t v;
      ReadRaw(&v, sizeof v);
      return v;
    }
    case TValueType::vaInt32:
      return ReadInt32Raw();
    default:
      InvalidValue();
  }
}

int64_t TBinaryReader::ReadInteger() { return ReadIntegerOfType(ReadValueType()); }

std::string TBinaryReader::ReadString() {
  switch (ReadValueType()) {
    case TValueType::vaString:
      return std::string(ReadBytes(ReadByte()));
    case TValueType::vaLString:
      return std::string(ReadBytes(ReadLength(1)));
    case TValueType::vaWString: {
      const size_t count = ReadLength(2);
      std::string s(count, '\0');
      for (size_t i = 0; i < count; ++i) {
        uint16_t c;
        ReadRaw(&c, sizeof c);
        if (c > 255) InvalidValue();
        s[i] = static_cast<char>(c);
      }
      return s;
    }
    default:
      InvalidValue();
  }
}

std::u16string TBinaryReader::ReadWideString() {
  if (NextValue() != TValueType::vaWString) {
    const std::string narrow = ReadString();
    std::u16string s(narrow.size(), u'\0');
    for (size_t i = 0; i < narrow.size(); ++i) s[i] = static_cast<unsigned char>(narrow[i]);
    return s;
  }
  ReadValueType();
  const size_t count = ReadLength(2);
  std::u16string s(count, u'\0');
  for (size_t i = 0; i < count; ++i) {
    uint16_t c;
    ReadRaw(&c, sizeof c);
    s[i] = static_cast<char16_t>(c);
  }
  return s;
}

std::string TBinaryReader::ReadIdent() {
  switch (ReadValueType()) {
    case TValueType::vaIdent:
      return ReadStr();
    case TValueType::vaFalse:
      return "False";
    case TValueType::vaTrue:
      return "True";
    case TValueType::vaNull:
      return "Null";
    case TValueType::vaNil:
      return "nil";
    default:
      InvalidValue();
  }
}

bool TBinaryReader::ReadBoolean() {
  switch (ReadValueType()) {
    case TValueType::vaFalse:
      return false;
    case TValueType::vaTrue:
      return true;
    default:
      InvalidValue();
  }
}

long double TBinaryReader::ReadFloat() {
  const TValueType t = ReadValueType();
  if (t != TValueType::vaExtended) return static_cast<long double>(ReadIntegerOfType(t));
  uint8_t bytes[10];
  ReadRaw(bytes, sizeof bytes);
  return ExtendedToDouble(bytes);
}

float TBinaryReader::ReadSingle() {
  const TValueType t = ReadValueType();
  if (t != TValueType::vaSingle) return static_cast<float>(ReadIntegerOfType(t));
  float v;
  ReadRaw(&v, sizeof v);
  return v;
}

int64_t TBinaryReader::ReadCurrency() {
  const TValueType t = ReadValueType();
  if (t != TValueType::vaCurrency) return ReadIntegerOfType(t) * 10000;
  int64_t v;
  ReadRaw(&v, sizeof v);
  return v;
}

double TBinaryReader::ReadDate() {
  const TValueType t = ReadValueType();
  if (t != TValueType::vaDate) return static_cast<double>(ReadIntegerOfType(t));
  double v;
  ReadRaw(&v, sizeof v);
  return v;
}

std::string TBinaryReader::ReadBinary() {
  if (ReadValueType() != TValueType::vaBinary) InvalidValue();
  return std::string(ReadBytes(ReadLength(1)));
}

void TBinaryReader::ReadPrefix(uint8_t& flags, int32_t& position) {
  flags = 0;
  position = -1;
  if ((static_cast<uint8_t>(NextValue()) & 0xF0) != 0xF0) return;
  flags = ReadByte() & 0x0F;
  if (flags & 2) position = static_cast<int32_t>(ReadInteger());
}

void TBinaryReader::SkipValue() { SkipValueAt(0); }

void TBinaryReader::SkipProperty() {
  ReadBytes(ReadByte());
  SkipValueAt(0);
}

void TBinaryReader::SkipValueAt(int depth) {
  if (depth > kMaxSkipDepth) throw EReadError("Binary form nested too deeply");
  const size_t at = pos_;
  switch (ReadValueType()) {
    case TValueType::vaNull:
    case TValueType::vaFalse:
    case TValueType::vaTrue:
    case TValueType::vaNil:
      return;
    case TValueType::vaList:
      while (!EndOfList()) SkipValueAt(depth + 1);
      return;
    case TValueType::vaInt8:
      ReadBytes(1);
      return;
    case TValueType::vaInt16:
      ReadBytes(2);
      return;
    case TValueType::vaInt32:
    case TValueType::vaSingle:
      ReadBytes(4);
      return;
    case TValueType::vaExtended:
      ReadBytes(10);
      return;
    case TValueType::vaString:
    case TValueType::vaIdent:
      ReadBytes(ReadByte());
      return;
    case TValueType::vaBinary:
    case TValueType::vaLString:
      ReadBytes(ReadLength(1));
      return;
    case TValueType::vaWString:
      ReadBytes(ReadLength(2) * 2);
      return;
    case TValueType::vaSet:
      for (uint8_t len = ReadByte(); len != 0; len = ReadByte()) ReadBytes(len);
      return;
    case TValueType::vaCollection:
      SkipCollection(depth);
      return;
    case TValueType::vaCurrency:
    case TValueType::vaDate:
      ReadBytes(8);
      return;
  }
  throw EReadError(Format("Binary form: unknown value code %d at offset %d",
                          {static_cast<int>(static_cast<uint8_t>(data_[at])),
                           static_cast<unsigned long long>(at)}));
}

void TBinaryReader::SkipCollection(int depth) {
  while (!EndOfList()) {
    const TValueType t = NextValue();
    if (t == TValueType::vaInt8 || t == TValueType::vaInt16 || t == TValueType::vaInt32)
      ReadInteger();
    if (ReadValueType() != TValueType::vaList) InvalidValue();
    while (!EndOfList()) {
      ReadBytes(ReadByte());
      SkipValueAt(depth + 1);
    }
  }
}

}  // namespace cd
