// Figures of a built medium: what packing each item found, and the configuration written.
#include "summary.h"

#include "install/file_item.h"
#include "install/files_manager.h"
#include "media/run_cdrom.h"
#include "platform/files.h"
#include "streams/file_stream.h"
#include "streams/packed_stream.h"
#include "util/format.h"

namespace cd::build {
namespace {

bool FileIsPacked(const std::string& name) {
  TFileStream stream(name, os::OpenMode::Read, os::ShareMode::DenyNone);
  return IsPacked(stream);
}

}  // namespace

Summary Summarize(TInstallManager& manager) {
  Summary summary;
  for (const TFileItem* item : GetOrCreateObjectAs<TFilesManager>(manager)->FileItems()) {
    const TBuildFigures& figures = item->Figures();
    ++summary.items;
    summary.bytesAfter += figures.destBytes;
    summary.bytesBefore += figures.sourceBytes;
    if (figures.destPacked) ++summary.packed;
    summary.packedForSignature += figures.packedForSignature;
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
