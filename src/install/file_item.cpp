// TFileItem: stored keys, the names derived from its path and the files manager it belongs
// to, putting the file onto the distribution, the defaults of the install slots (which hand
// the work to the members) and the file's source on the medium, a drive path or a web
// address, opened as it lies there.
#include "install/file_item.h"

#include <algorithm>

#include "base/exceptions.h"
#include "config/name_kind.h"
#include "install/e_manager.h"
#include "install/files_manager.h"
#include "install/install_manager_link.h"
#include "install/packed_name.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "streams/digesting_stream.h"
#include "streams/file_stream.h"
#include "streams/packed_stream.h"
#include "streams/progress_stream.h"
#include "streams/replacing_file_stream.h"
#include "util/file_properties.h"
#include "util/format.h"
#include "util/url_loader.h"

namespace cd {
namespace {

// Names come from configurations and group files: they must stay inside their folder. An
// unsafe name is refused as a file that cannot be installed, with the cause on a second line.
const std::string& CheckedRelative(const std::string& name) {
  if (!os::IsSafeRelativeName(name)) throw EViolationError(name + "\n" + kUnsafeNameCause);
  return name;
}

IInstallManager& RequireInstallManager(const TFileItem& item) {
  IInstallManager* manager = GetInstallManager(item);
  if (!manager)
    throw Exception(Format("TFileItem.GetFileName: \"%s\" has no install manager", {item.Path()}));
  return *manager;
}

TFilesManager& RequireFilesManager(const TFileItem& item) {
  TFilesManager* manager = item.FilesManager();
  if (!manager)
    throw Exception(Format("TFileItem.GetFileName: \"%s\" has no files manager", {item.Path()}));
  return *manager;
}

// The Windows folders come from the system; the medium's folder and the named destinations
// come from outside and must be folders on a drive, or a file would land relative to the
// current folder (or on a web address).
std::string TargetDirectory(const TFileItem& item) {
  const std::string& target = item.InstalTarget();
  if (target.empty()) return TFilesManager::GetDirectory(kDirWindowsVok);
  if (SameText(target, "WinSystem")) return TFilesManager::GetDirectory(kDirSystem);
  TFilesManager& manager = RequireFilesManager(item);
  const std::string folder =
      SameText(target, "BasicPrgPath") ? manager.PrgPath() : manager.Targets().Values(target);
  if (folder.empty()) {
    throw Exception(Format("TFileItem.GetFileName: The target \"%s\" of \"%s\" has no folder",
                           {target, item.Path()}));
  }
  if (!os::IsFolderOnDrive(folder)) {
    throw Exception(
        Format("TFileItem.GetFileName: The target \"%s\" of \"%s\" is not a folder on a drive "
               "(\"%s\")",
               {target, item.Path(), folder}));
  }
  return folder;
}

template <class Visit>
void ForEachMember(const TFileItem& item, Visit visit) {
  for (int i = 0; i < item.ChildCount(); ++i)
    if (auto* member = dynamic_cast<TFileItem*>(item.Child(i))) visit(*member);
}

}  // namespace

const TClassInfo& TFileItem::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TFileItem>("TFileItem", &TEItem::StaticClass())
          .Str("Path", &TFileItem::path_)
          .Str("InstalTarget", &TFileItem::instalTarget_)
          .Int("DestSize", &TFileItem::destSize_)
          .Set("Flags", &TFileItem::flags_, FileFlagType())
          .Build();
  return info;
}

TFileItem::TFileItem(TComponent* owner) : TEItem(owner) {}

TFileItem::TFileItem(TComponent* owner, const std::string& path) : TEItem(owner), path_(path) {}

std::string TFileItem::SourceName() const {
  size_t eq = path_.find('=');
  return eq == std::string::npos ? path_ : path_.substr(0, eq);
}

std::string TFileItem::DestName() const {
  size_t eq = path_.find('=');
  return eq == std::string::npos ? path_ : path_.substr(eq + 1);
}

bool TFileItem::IsNeeded() const {
  if (needed_) return true;
  for (int i = 0; i < ChildCount(); ++i) {
    const auto* member = dynamic_cast<const TFileItem*>(Child(i));
    if (member && member->IsNeeded()) return true;
  }
  return false;
}

TFilesManager* TFileItem::FilesManager() const {
  if (filesManagerLink_) return filesManagerLink_;
  if (auto* ownerItem = dynamic_cast<const TFileItem*>(Owner())) return ownerItem->FilesManager();
  if (auto* manager = dynamic_cast<TFilesManager*>(Owner())) return manager;
  return dynamic_cast<TFilesManager*>(GetManager(const_cast<TFileItem*>(this)));
}

std::string TFileItem::GetFileName(TFileNameKind kind) const {
  switch (kind) {
    case kFileBuildSource:
      return RequireInstallManager(*this).SourcePrgPath() + CheckedRelative(SourceName());
    case kFileBuildDest:
      return PackedName(RequireInstallManager(*this).DestPrgPath() + CheckedRelative(DestName()));
    case kFileMediumSource: {
      std::string name = PackedName(RequireFilesManager(*this).PrgPath() + CheckedRelative(DestName()));
      std::replace(name.begin(), name.end(), '\\', '/');
      return name;
    }
    case kFileTarget:
      return TargetDirectory(*this) + CheckedRelative(DestName());
    default:
      throw Exception(Format("TFileItem.GetFileName: Unknown kind %d", {kind}));
  }
}

// The new file is written beside its final name and put in place only when complete, so a
// failed build leaves no half-written file that an installation would take for good.
void TFileItem::PackFile(unsigned) {
  const std::string dest = GetFileName(kFileBuildDest);
  os::ForceDirectories(os::ExtractFilePath(dest));
  int64_t size = 0;
  {
    TFileStream in(GetFileName(kFileBuildSource), os::OpenMode::Read, os::ShareMode::DenyNone);
    TReplacingFileStream file(dest);
    // The medium's sums take the digest of the bytes as they are written.
    TDigestingStream out(file);
    figures_ = TBuildFigures();
    figures_.sourceBytes = in.Size();
    if (WouldReadBackAsPacked(in)) {
      PackStreamAlways(in, out);
      figures_.destPacked = true;
      figures_.packedForSignature = 1;
    } else if (HasFlag(fg_SingleNotCompress)) {
      out.CopyFrom(in, in.Size());
    } else {
      figures_.destPacked = PackStream(in, out);
    }
    size = out.PassedOn();
    figures_.destDigest = out.Digest();
    file.Commit();
  }
  RecordDestSize(dest, size);
}

// DestSize keeps sizes below 4 GB (read back through DestBytes); a larger file would be
// recorded as a wrong size, so it is refused.
void TFileItem::RecordDestSize(const std::string& dest, int64_t size) {
  if (size > static_cast<int64_t>(UINT32_MAX)) {
    throw Exception(
        Format("%s.PackFile: File \"%s\" is larger than 4 GB (%d bytes), more than "
               "a medium's file system can carry",
               {ClassName(), dest, static_cast<long long>(size)}));
  }
  SetDestSize(size < 0 ? -1 : static_cast<int32_t>(static_cast<uint32_t>(size)));
  figures_.destBytes = std::max<int64_t>(0, size);
}

bool TFileItem::WouldReadBackAsPacked(TStream& source) const {
  const bool storedUnchanged = HasFlag(fg_SingleNotCompress) || source.Size() <= kLargestStoredSize;
  return storedUnchanged && BeginsWithSignature(source);
}

void TFileItem::StoreFileInfo() {
  throw Exception(Format("%s.StoreFileInfo: Abstract error (\"%s\")", {ClassName(), Path()}));
}

// Its own Needed stays as it is: the item is needed through its members.
void TFileItem::CompareFile() {
  int members = 0;
  int needed = 0;
  ForEachMember(*this, [&](TFileItem& member) {
    member.CompareFile();
    ++members;
    if (member.IsNeeded()) ++needed;
  });
  reason_ = needed > 0 ? Format("%d of %d members needed", {needed, members})
                       : Format("none of %d members needed", {members});
}

void TFileItem::DoUserInstall(TInstallPhase phase) {
  ForEachMember(*this, [phase](TFileItem& member) { member.DoUserInstall(phase); });
}

bool TFileItem::IsLocalSource() const {
  const std::string name = GetFileName(kFileMediumSource);
  return name.size() >= 2 && name[1] == ':';
}

std::unique_ptr<TStream> TFileItem::OpenMediumSource(TSetupTotals* totals,
                                                     const TProgressProc& progress) const {
  if (progress) progress(kProgressFileDone, kProgressFileDone, totals);
  const std::string name = GetFileName(kFileMediumSource);
  if (IsLocalSource()) return TProgressStream::CreateFromFile(name, totals, progress);
  if (NameKind(name) == nk_WebDocument) {
    os::UrlProgressEvent onProgress;
    if (progress) {
      onProgress = [&progress](int64_t done, int64_t max, intptr_t value) {
        progress(done, max, reinterpret_cast<TSetupTotals*>(value));
      };
    }
    const std::string local =
        DownloadUrlToCache(name, reinterpret_cast<intptr_t>(totals), onProgress);
    return std::make_unique<TFileStream>(local, os::OpenMode::Read, os::ShareMode::DenyNone);
  }
  throw Exception(Format("FileSrc.CreateStream: Cannot create stream (\"%s\")", {name}));
}

void TFileItem::ReportSourceRead(TSetupTotals* totals, const TProgressProc& progress) const {
  if (progress && IsLocalSource()) progress(DestBytes(), DestBytes(), totals);
}

}  // namespace cd
