// TFileGroup: class metadata (no keys of its own), writing a group file at build time and
// installing its members from it.
#include "install/file_group.h"

#include <string>
#include <vector>

#include "base/exceptions.h"
#include "config/object_reader.h"
#include "config/object_writer.h"
#include "install/datum_value.h"
#include "install/embedded_data.h"
#include "install/files_manager.h"
#include "install/hooks.h"
#include "install/medium_check.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "streams/digesting_stream.h"
#include "streams/memory_stream.h"
#include "streams/packed_stream.h"
#include "streams/replacing_file_stream.h"
#include "streams/virt_stream.h"
#include "util/file_properties.h"
#include "util/format.h"
#include "util/parallel_each.h"

namespace cd {
namespace {

// Once the group has been written: the sources of its data (members of nested groups too)
// and the direct members packed for their signature, as their data was made.
TBuildFigures MembersFigures(const TFileItem& group) {
  TBuildFigures figures;
  for (int i = 0; i < group.ChildCount(); ++i) {
    const auto* member = dynamic_cast<const TFileItem*>(group.Child(i));
    if (!member) continue;
    if (dynamic_cast<const TDatumValue*>(member)) {
      figures.sourceBytes += member->Figures().sourceBytes;
      figures.packedForSignature += member->Figures().packedForSignature;
    } else {
      figures.sourceBytes += MembersFigures(*member).sourceBytes;
    }
  }
  return figures;
}

}  // namespace

const TClassInfo& TFileGroup::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TFileGroup>("TFileGroup", &TFileItem::StaticClass()).Build();
  return info;
}

void TFileGroup::StoreFileInfo() {
  for (int i = 0; i < ChildCount(); ++i)
    if (auto* member = dynamic_cast<TFileItem*>(Child(i))) member->StoreFileInfo();
}

void TFileGroup::PackFile(unsigned jobs) {
  const std::string dest = GetFileName(kFileBuildDest);
  os::ForceDirectories(os::ExtractFilePath(dest));
  // With more than one thread the members' bytes are made first, side by side; the writer
  // then takes them in member order, so the group file is the same either way.
  std::vector<const TDatumValue*> members;
  if (jobs > 1) {
    for (int i = 0; i < ChildCount(); ++i)
      if (auto* member = dynamic_cast<const TDatumValue*>(Child(i))) members.push_back(member);
  }
  std::vector<std::string> bytes(members.size());
  ParallelEach(
      members.size(), jobs, [&](size_t i) { bytes[i] = members[i]->EmbeddedData(); },
      [](size_t) {});
  TPreparedData prepared;
  for (size_t i = 0; i < members.size(); ++i) prepared[members[i]] = std::move(bytes[i]);
  std::string binary;
  {
    TEmbeddedDataScope embedding(&prepared);
    TObjectWriter(binary).WriteRoot(*this);
  }
  prepared.clear();
  int64_t size = 0;
  {
    // Written beside its final name and put in place when complete, as a single file is.
    TReplacingFileStream file(dest);
    TDigestingStream out(file);
    TMemoryStream buffer(std::move(binary));
    figures_ = MembersFigures(*this);
    if (HasFlag(fg_GroupNotCompress))
      out.CopyFrom(buffer, 0);
    else
      figures_.destPacked = PackStream(buffer, out);
    size = file.Size();
    figures_.destDigest = out.Digest();
    file.Commit();
  }
  RecordDestSize(dest, size);
}

void TFileGroup::DoUserInstall(TInstallPhase phase) {
  if (phase != kPhaseInstall) {
    TFileItem::DoUserInstall(phase);
    return;
  }
  TFilesManager* manager = FilesManager();
  ISetupCallBack* callback = manager ? manager->Callback() : nullptr;
  TSetupTotals* totals = callback ? callback->GetTotals() : nullptr;
  const TProgressProc progress = callback ? callback->GetProgressProc() : TProgressProc();
  // A group file is read whole, so one that unpacks past the limit is refused. On a medium
  // with sums its bytes are read into memory first and checked before any member is read.
  std::unique_ptr<TStream> medium = OpenMediumSource(totals, progress);
  TMediumCheck check(*this, medium);
  if (check.Active()) {
    const std::string name = GetFileName(kFileMediumSource);
    if (medium->Size() > kLargestReadWhole) {
      throw Exception(Format("File \"%s\" is larger than %d MiB and is not read",
                             {name, static_cast<long long>(kLargestReadWhole >> 20)}));
    }
    std::string bytes = medium->ReadRest();
    check.Verify();
    medium = std::make_unique<TMemoryStream>(std::move(bytes));
  }
  auto source = std::make_unique<TVirtStream>(std::move(medium), GetFileName(kFileMediumSource),
                                              kLargestReadWhole);
  ReportSourceRead(totals, progress);
  try {
    const std::string binary = source->ReadRest();
    TFileGroup temporary(nullptr);
    temporary.SetFilesManagerLink(manager);
    TObjectReader(binary).ReadRootInto(temporary);
  } catch (const EAbort&) {
    throw;
  } catch (const Exception& failure) {
    // A damaged group file would otherwise end the run without a word.
    ShowEngineMessage(Format("Cannot install group file \"%s\": %s", {Path(), failure.Message()}));
    throw EAbort();
  }
}

}  // namespace cd
