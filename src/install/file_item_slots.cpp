// TFileItem: putting a file onto the distribution, and the defaults of the install slots,
// which hand the work to the members.
#include "install/file_item.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "streams/file_stream.h"
#include "streams/packed_stream.h"
#include "util/directories.h"
#include "util/exceptions.h"
#include "util/file_properties.h"
#include "util/format.h"
#include "util/whole_file.h"

namespace cd {
namespace {

template <class Visit>
void ForEachMember(const TFileItem& item, Visit visit) {
  for (int i = 0; i < item.ChildCount(); ++i)
    if (auto* member = dynamic_cast<TFileItem*>(item.Child(i))) visit(*member);
}

}  // namespace

void TFileItem::PackFile() {
  const std::string dest = GetFileName(kFileBuildDest);
  ForceDirectories(os::ExtractFilePath(dest));
  const std::string source = GetFileName(kFileBuildSource);
  if (HasFlag(fg_SingleNotCompress)) {
    CopyFileData(source, dest);
  } else {
    TFileStream in(source, os::OpenMode::Read, os::ShareMode::DenyNone);
    TFileStream out(dest, os::OpenMode::Create);
    PackStream(in, out);
  }
  SetDestSize(GetFileSizeByName(dest));
}

void TFileItem::StoreFileInfo() {
  throw Exception(Format("%s.StoreFileInfo: Abstract error (\"%s\")", {ClassName(), Path()}));
}

void TFileItem::CompareFile() {
  ForEachMember(*this, [](TFileItem& member) { member.CompareFile(); });
}

void TFileItem::DoUserInstall(int phase) {
  ForEachMember(*this, [phase](TFileItem& member) { member.DoUserInstall(phase); });
}

}  // namespace cd
