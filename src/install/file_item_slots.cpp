// TFileItem: putting a file onto the distribution, and the defaults of the install slots,
// which hand the work to the members.
#include "base/exceptions.h"
#include "install/file_item.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "streams/file_stream.h"
#include "streams/packed_stream.h"
#include "streams/replacing_file_stream.h"
#include "util/directories.h"
#include "util/file_properties.h"
#include "util/format.h"

namespace cd {
namespace {

template <class Visit>
void ForEachMember(const TFileItem& item, Visit visit) {
  for (int i = 0; i < item.ChildCount(); ++i)
    if (auto* member = dynamic_cast<TFileItem*>(item.Child(i))) visit(*member);
}

}  // namespace

// The new file is written beside its final name and put in place only when complete, so a
// failed build leaves no half-written file that an installation would take for good.
void TFileItem::PackFile() {
  const std::string dest = GetFileName(kFileBuildDest);
  ForceDirectories(os::ExtractFilePath(dest));
  {
    TFileStream in(GetFileName(kFileBuildSource), os::OpenMode::Read, os::ShareMode::DenyNone);
    TReplacingFileStream out(dest);
    if (WouldReadBackAsPacked(in))
      PackStreamAlways(in, out);
    else if (HasFlag(fg_SingleNotCompress))
      out.CopyFrom(in, in.Size());
    else
      PackStream(in, out);
    out.Commit();
  }
  RecordDestSize(dest);
}

// DestSize keeps sizes below 4 GB (read back through DestBytes); a larger file would be
// recorded as a wrong size, so it is refused.
void TFileItem::RecordDestSize(const std::string& dest) {
  const int64_t size = os::FileSize(dest);
  if (size > static_cast<int64_t>(UINT32_MAX)) {
    throw Exception(
        Format("%s.PackFile: File \"%s\" is larger than 4 GB (%d bytes), more than "
               "a medium's file system can carry",
               {ClassName(), dest, static_cast<long long>(size)}));
  }
  SetDestSize(size < 0 ? -1 : static_cast<int32_t>(static_cast<uint32_t>(size)));
}

bool TFileItem::WouldReadBackAsPacked(TStream& source) const {
  const bool storedUnchanged = HasFlag(fg_SingleNotCompress) || source.Size() <= kLargestStoredSize;
  return storedUnchanged && BeginsWithSignature(source);
}

void TFileItem::StoreFileInfo() {
  throw Exception(Format("%s.StoreFileInfo: Abstract error (\"%s\")", {ClassName(), Path()}));
}

void TFileItem::CompareFile() {
  ForEachMember(*this, [](TFileItem& member) { member.CompareFile(); });
}

void TFileItem::DoUserInstall(TInstallPhase phase) {
  ForEachMember(*this, [phase](TFileItem& member) { member.DoUserInstall(phase); });
}

}  // namespace cd
