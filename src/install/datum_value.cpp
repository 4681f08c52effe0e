// TDatumValue: stored keys, the readable form of the recorded time, the date decision,
// recording at build time, the copy of a file from the medium and the installation of embedded
// data.
#include "install/datum_value.h"

#include <chrono>

#include "base/exceptions.h"
#include "config/binary_reader.h"
#include "config/binary_writer.h"
#include "install/decision_reasons.h"
#include "install/embedded_data.h"
#include "install/files_manager.h"
#include "install/hooks.h"
#include "install/log_event.h"
#include "install/medium_check.h"
#include "install/violation_message.h"
#include "platform/dos_time.h"
#include "platform/files.h"
#include "platform/replace_file.h"
#include "streams/file_stream.h"
#include "streams/memory_stream.h"
#include "streams/open_file_stream.h"
#include "streams/packed_stream.h"
#include "streams/virt_stream.h"
#include "util/file_properties.h"
#include "util/format.h"

namespace cd {
namespace {

// Reading embedded data installs the file at once.
void ReadData(TDatumValue& item, TBinaryReader& reader) {
  TMemoryStream data(reader.ReadBinary());
  item.InstallData(data);
}

// The bytes made before the group was written, or else the member's own.
void WriteData(const TDatumValue& item, TBinaryWriter& writer) {
  if (const std::string* prepared = PreparedDataOf(item)) {
    writer.WriteBinary(*prepared);
    return;
  }
  writer.WriteBinary(item.EmbeddedData());
}

constexpr int64_t kCopyBlock = 61440;

// Writes the embedded data into the target in the form the flags ask for.
void WriteEmbedded(TStream& stream, TStream& out, bool packed, TFileFlags flags) {
  if (InSet(flags, fg_GroupItemCompressToUserDisk)) {
    if (packed)
      out.CopyFrom(stream, stream.Size() - stream.Position());
    else
      PackStream(stream, out);
  } else if (InSet(flags, fg_GroupItemDeompressToUserDisk) && packed) {
    stream.Seek(4, TSeekOrigin::soCurrent);
    UnpackStream(stream, out);
  } else {
    out.CopyFrom(stream, stream.Size() - stream.Position());
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

// The source file's contents, packed when the item asks for it inside a group, or when they
// would otherwise be taken for packed data at installation.
std::string TDatumValue::EmbeddedData() const {
  TFileStream source(GetFileName(kFileBuildSource), os::OpenMode::Read, os::ShareMode::DenyNone);
  figures_ = TBuildFigures();
  figures_.sourceBytes = source.Size();
  if (DataWouldReadBackAsPacked(source)) {
    figures_.packedForSignature = 1;
    TMemoryStream packed;
    PackStreamAlways(source, packed);
    return packed.Data();
  }
  if (HasFlag(fg_GroupItemCompress)) {
    TMemoryStream packed;
    PackStream(source, packed);
    return packed.Data();
  }
  return source.ReadRest();
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

void TDatumValue::CompareFile() {
  const int32_t date = GetFileDate(GetFileName(kFileTarget));
  Decide(OutOfDate(date), DateReason(date, time_));
}

void TDatumValue::StoreFileInfo() { time_ = GetFileDate(GetFileName(kFileBuildSource)); }

void TDatumValue::CheckConsistence() {
  TFileItem::CheckConsistence();
  const std::string source = GetFileName(kFileBuildSource);
  if (!os::FileExists(source))
    throw Exception(Format("%s: File \"%s\" does not exist!", {"TDatumValue.CheckConsistence", source}));
}

// The new file is written beside the target and gets its date before it takes the target's
// place, which keeps the date; a failure leaves the old file as it was.
void TDatumValue::ReplaceTarget(const std::string& target,
                                const std::function<void(os::File&)>& write) const {
  os::ReplacementFile replacement(target, true);
  write(replacement.File());
  replacement.File().SetDate(time_);
  replacement.Commit();
}

// A packed source is unpacked straight into the new file and a stored one copied in blocks,
// so no file is ever held in memory whole. A medium with sums has the source hashed in the
// same reading, and a file that is not the one listed never takes the target's place.
void TDatumValue::DoUserInstall(TInstallPhase phase) {
  if (phase != kPhaseInstall) return;
  TFilesManager* manager = FilesManager();
  ISetupCallBack* callback = manager ? manager->Callback() : nullptr;
  TProgressProc progress = callback ? callback->GetProgressProc() : TProgressProc();
  TSetupTotals* totals = callback ? callback->GetTotals() : nullptr;
  const auto started = std::chrono::steady_clock::now();
  std::unique_ptr<TStream> source = OpenMediumSource(totals, progress);
  const bool packed = IsPacked(*source);
  std::string target;
  int64_t written = 0;  // the new file's size, for the log without asking the system
  try {
    target = GetFileName(kFileTarget);
    if (HasFlag(fg_ErrorIfExists) && os::FileExists(target))
      throw Exception(Format("TDatumValue.DoUserInstall: File already exists (\"%s\")", {target}));
    TMediumCheck check(*this, source);
    ReplaceTarget(target, [&](os::File& out) {
      if (packed) {
        TOpenFileStream stream(out);
        try {
          UnpackStream(*source, stream);
        } catch (const EPKWareError&) {
          check.Verify();  // a file changed on the medium is named as such
          throw;
        }
        written = out.Seek(0, 1);
      } else {
        int64_t copied;
        do {
          copied = source->CopyInto(out, kCopyBlock);
          written += copied;
        } while (copied == kCopyBlock);
      }
      check.Verify();
    });
  } catch (const EPKWareError& failure) {
    // A damaged medium file ends the run whatever the item allows, as it always has.
    throw EPKWareError(PackedFailureMessage(failure.Message(), GetFileName(kFileMediumSource)));
  } catch (const Exception& failure) {
    if (IgnoreUserInstallError()) {
      LogEvent(TLogEvent("copy-ignored")
                   .Str("item", Path())
                   .Str("target", target)
                   .Str("reason", failure.Message()));
      return;
    }
    throw EViolationError(ViolationMessage(target, failure));
  }
  ReportSourceRead(totals, progress);
  const auto elapsed = std::chrono::steady_clock::now() - started;
  LogEvent(TLogEvent("copy")
               .Str("item", Path())
               .Str("target", target)
               .Int("bytes", written)
               .Bool("unpacked", packed)
               .Int("ms", std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count()));
}

void TDatumValue::InstallData(TStream& stream) {
  const std::string target = GetFileName(kFileTarget);
  if (HasFlag(fg_ErrorIfExists) && os::FileExists(target)) {
    ShowEngineMessage(Format("File \"%s\" on your hard disk already exists. To complete the "
                              "installation, delete it first!",
                              {target}));
    throw EAbort();
  }
  try {
    const int64_t start = stream.Position();
    const bool packed = IsPacked(stream);
    stream.SetPosition(start);
    ReplaceTarget(target, [&](os::File& out) {
      TOpenFileStream data(out);
      WriteEmbedded(stream, data, packed, Flags());
    });
    const auto* group = dynamic_cast<const TFileItem*>(Owner());
    LogEvent(TLogEvent("member")
                 .Str("item", Path())
                 .Str("group", group ? group->Path() : std::string())
                 .Str("target", target)
                 .Int("bytes", os::FileSize(target)));
  } catch (const EAbort&) {
    throw;
  } catch (const Exception&) {
    ShowEngineMessage(Format("Cannot Install file \"%s\"", {target}));
    throw EAbort();
  }
}

}  // namespace cd
