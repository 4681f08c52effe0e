// TDatumValue: the date decision, recording at build time, the copy of a file from the medium
// and the installation of embedded data.
#include "base/exceptions.h"
#include "install/datum_value.h"
#include "install/files_manager.h"
#include "install/hooks.h"
#include "install/violation_message.h"
#include "platform/files.h"
#include "platform/replace_file.h"
#include "streams/open_file_stream.h"
#include "streams/packed_stream.h"
#include "streams/virt_stream.h"
#include "util/file_properties.h"
#include "util/format.h"

namespace cd {
namespace {

constexpr int64_t kCopyBlock = 61440;

// Writes the embedded data into the target in the form the flags ask for.
void WriteEmbedded(TStream& stream, TStream& out, bool packed, TFileFlags flags) {
  if (HasFileFlag(flags, fg_GroupItemCompressToUserDisk)) {
    if (packed)
      out.CopyFrom(stream, stream.Size() - stream.Position());
    else
      PackStream(stream, out);
  } else if (HasFileFlag(flags, fg_GroupItemDeompressToUserDisk) && packed) {
    stream.Seek(4, TSeekOrigin::soCurrent);
    UnpackStream(stream, out);
  } else {
    out.CopyFrom(stream, stream.Size() - stream.Position());
  }
}

}  // namespace

void TDatumValue::CompareFile() { SetNeeded(OutOfDate(GetFileDate(GetFileName(kFileTarget)))); }

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
// so no file is ever held in memory whole.
void TDatumValue::DoUserInstall(TInstallPhase phase) {
  if (phase != kPhaseInstall) return;
  TFilesManager* manager = FilesManager();
  ISetupCallBack* callback = manager ? manager->Callback() : nullptr;
  TProgressProc progress = callback ? callback->GetProgressProc() : TProgressProc();
  TSetupTotals* totals = callback ? callback->GetTotals() : nullptr;
  std::unique_ptr<TStream> source = OpenMediumSource(totals, progress);
  const bool packed = IsPacked(*source);
  std::string target;
  try {
    target = GetFileName(kFileTarget);
    if (HasFlag(fg_ErrorIfExists) && os::FileExists(target))
      throw Exception(Format("TDatumValue.DoUserInstall: File already exists (\"%s\")", {target}));
    ReplaceTarget(target, [&](os::File& out) {
      if (packed) {
        TOpenFileStream stream(out);
        UnpackStream(*source, stream);
      } else {
        while (source->CopyInto(out, kCopyBlock) == kCopyBlock) {
        }
      }
    });
  } catch (const EPKWareError& failure) {
    // A damaged medium file ends the run whatever the item allows, as it always has.
    throw EPKWareError(PackedFailureMessage(failure.Message(), GetFileName(kFileMediumSource)));
  } catch (const Exception& failure) {
    if (IgnoreUserInstallError()) return;
    throw EViolationError(ViolationMessage(target, failure));
  }
  ReportSourceRead(totals, progress);
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
  } catch (const EAbort&) {
    throw;
  } catch (const Exception&) {
    ShowEngineMessage(Format("Cannot Install file \"%s\"", {target}));
    throw EAbort();
  }
}

}  // namespace cd
