// Figures of a built medium, taken from the files on its output side.
#include "summary.h"

#include <vector>

#include "install/datum_value.h"
#include "install/file_group.h"
#include "install/file_item.h"
#include "install/files_manager.h"
#include "media/run_cdrom.h"
#include "platform/files.h"
#include "streams/file_stream.h"
#include "streams/packed_stream.h"
#include "util/format.h"
#include "util/parallel_each.h"

namespace cd::build {
namespace {

bool FileIsPacked(const std::string& name) {
  TFileStream stream(name, os::OpenMode::Read, os::ShareMode::DenyNone);
  return IsPacked(stream);
}

// The size of an item's sources: its own file, or its members' files for a group.
int64_t SourceBytes(const TFileItem& item) {
  if (item.ChildCount() == 0)
    return std::max<int64_t>(0, os::FileSize(item.GetFileName(kFileBuildSource)));
  int64_t bytes = 0;
  for (int i = 0; i < item.ChildCount(); ++i)
    if (auto* member = dynamic_cast<TFileItem*>(item.Child(i))) bytes += SourceBytes(*member);
  return bytes;
}

// Whether the source file of an item passes check, which reads it; false when it is gone.
template <class Check>
bool SourcePasses(const TFileItem& item, Check check) {
  const std::string name = item.GetFileName(kFileBuildSource);
  if (!os::FileExists(name)) return false;
  TFileStream source(name, os::OpenMode::Read, os::ShareMode::DenyNone);
  return check(source);
}

// How many files the build packed only because they begin with the packing signature: the item
// itself, or for a group its members' data.
int PackedForSignature(const TFileItem& item) {
  if (!dynamic_cast<const TFileGroup*>(&item))
    return SourcePasses(item, [&](TStream& s) { return item.WouldReadBackAsPacked(s); }) ? 1 : 0;
  int count = 0;
  for (int i = 0; i < item.ChildCount(); ++i) {
    auto* member = dynamic_cast<TDatumValue*>(item.Child(i));
    if (member &&
        SourcePasses(*member, [&](TStream& s) { return member->DataWouldReadBackAsPacked(s); }))
      ++count;
  }
  return count;
}

// The figures of one item, taken on a worker: every item's files are read again.
struct ItemFigures {
  int64_t bytesAfter = 0;
  int64_t bytesBefore = 0;
  bool packed = false;
  int packedForSignature = 0;
};

ItemFigures FiguresOf(const TFileItem& item) {
  const std::string dest = item.GetFileName(kFileBuildDest);
  return {std::max<int64_t>(0, os::FileSize(dest)), SourceBytes(item), FileIsPacked(dest),
          PackedForSignature(item)};
}

}  // namespace

Summary Summarize(TInstallManager& manager) {
  Summary summary;
  const std::vector<TFileItem*> items = GetOrCreateObjectAs<TFilesManager>(manager)->FileItems();
  std::vector<ItemFigures> figures(items.size());
  ParallelEach(
      items.size(), manager.Jobs(), [&](size_t i) { figures[i] = FiguresOf(*items[i]); },
      [](size_t) {});
  for (const ItemFigures& item : figures) {
    ++summary.items;
    summary.bytesAfter += item.bytesAfter;
    summary.bytesBefore += item.bytesBefore;
    if (item.packed) ++summary.packed;
    summary.packedForSignature += item.packedForSignature;
  }
  summary.cards = manager.CDRom() ? manager.CDRom()->Instances().Count() : 0;
  summary.configName = manager.ConfigFileName();
  summary.configSize = os::FileSize(summary.configName);
  summary.configPacked = FileIsPacked(summary.configName);
  return summary;
}

std::string SummaryText(const TInstallManager& manager, const Summary& s) {
  const TRunCDRom& medium = *manager.CDRom();
  std::string text = Format("Built medium %s \"%s\" into %s\n",
                            {medium.MediumId(), medium.Descr(), manager.DestPrgPath()});
  text += Format("  files:          %d on the medium, %d packed, %d stored unchanged\n",
                 {s.items, s.packed, s.items - s.packed});
  text += Format("  bytes:          %s before, %s on the medium\n",
                 {std::to_string(s.bytesBefore), std::to_string(s.bytesAfter)});
  if (s.packedForSignature > 0)
    text += Format(
        "  signature:      %d packed although stored: they begin with the packing "
        "signature\n",
        {s.packedForSignature});
  text += Format("  library cards:  %d written to %s\n", {s.cards, manager.SourcePrgPath()});
  text += Format("  configuration:  %s, %s bytes, %s\n",
                 {s.configName, std::to_string(s.configSize), s.configPacked ? "packed" : "text"});
  return text;
}

}  // namespace cd::build
