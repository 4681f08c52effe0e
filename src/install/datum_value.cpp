// TDatumValue: stored keys and the readable form of the recorded time.
#include "install/datum_value.h"

#include "config/binary_form.h"
#include "install/embedded_data.h"
#include "platform/dos_time.h"
#include "streams/file_stream.h"
#include "streams/memory_stream.h"
#include "streams/packed_stream.h"
#include "util/format.h"

namespace cd {
namespace {

// Reading embedded data installs the file at once.
void ReadData(TDatumValue& item, TBinaryReader& reader) {
  TMemoryStream data(reader.ReadBinary());
  item.InstallData(data);
}

// The source file's contents, packed when the item asks for it inside a group, or when they
// would otherwise be taken for packed data at installation.
void WriteData(const TDatumValue& item, TBinaryWriter& writer) {
  TFileStream source(item.GetFileName(kFileBuildSource), os::OpenMode::Read,
                     os::ShareMode::DenyNone);
  if (item.DataWouldReadBackAsPacked(source)) {
    TMemoryStream packed;
    PackStreamAlways(source, packed);
    writer.WriteBinary(packed.Data());
  } else if (item.HasFlag(fg_GroupItemCompress)) {
    TMemoryStream packed;
    PackStream(source, packed);
    writer.WriteBinary(packed.Data());
  } else {
    writer.WriteBinary(source.ReadRest());
  }
}

}  // namespace

const TClassInfo& TDatumValue::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TDatumValue>("TDatumValue", &TFileItem::StaticClass())
          .Str("TimeAsText", [](const TDatumValue& v) { return v.TimeAsText(); },
               [](TDatumValue&, const std::string&) {})
          .Int("Time", &TDatumValue::time_)
          .Bool("IgnoreUserInstallError", &TDatumValue::ignoreUserInstallError_)
          .Extra("Data", &ReadData, &WriteData,
                 [](const TDatumValue&) { return WritingEmbeddedData(); })
          .Build();
  return info;
}

// Only the flags that pack or unpack data on the user's disk look at whether it is packed;
// otherwise the data is copied as it is and lands right whatever it begins with.
bool TDatumValue::DataWouldReadBackAsPacked(TStream& source) const {
  if (!HasFlag(fg_GroupItemDeompressToUserDisk) && !HasFlag(fg_GroupItemCompressToUserDisk))
    return false;
  const bool storedUnchanged =
      !HasFlag(fg_GroupItemCompress) || source.Size() <= kLargestStoredSize;
  return storedUnchanged && BeginsWithSignature(source);
}

std::string TDatumValue::TimeAsText() const {
  if (time_ == 0) return {};
  std::optional<os::DosDateTimeFields> f = os::UnpackDosDateTime(time_);
  if (!f) return {};
  return Format("%2.2d/%2.2d/%4.4d %2.2d:%2.2d:%2.2d",
                {f->day, f->month, f->year, f->hour, f->minute, f->second});
}

}  // namespace cd
