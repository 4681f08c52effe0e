// TFileItem: one file of an installation: its relative name (source=destination), where it is
// installed, its size on the medium and its flags; the names derived from its path.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "install/build_figures.h"
#include "install/e_item.h"
#include "install/file_flags.h"
#include "install/setup_callback.h"

namespace cd {

class TFilesManager;
class TStream;

// The second line of the failure for a name that would leave its folder.
inline constexpr const char* kUnsafeNameCause =
    "unsafe name: it leads out of its folder, or names a drive or a device";

// The four uses of a file item's name (GetFileName), numbered as callers know them.
enum TFileNameKind : int {
  kFileBuildSource = 0,
  kFileBuildDest = 1,
  kFileMediumSource = 2,
  kFileTarget = 3,
};

// The three passes of an update run (DoUserInstall).
enum TInstallPhase : int { kPhaseInstall = 0, kPhaseRegister = 1, kPhaseFinish = 2 };

class TFileItem : public TEItem {
 public:
  explicit TFileItem(TComponent* owner);
  // Creation with an owner and a Path in one step.
  TFileItem(TComponent* owner, const std::string& path);
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  // Stored keys.
  // One relative name, or SourceName=DestName.
  const std::string& Path() const { return path_; }
  void SetPath(const std::string& v) { path_ = v; }
  // Empty, "WinSystem", "BasicPrgPath" or a name of the files manager's Targets.
  const std::string& InstalTarget() const { return instalTarget_; }
  void SetInstalTarget(const std::string& v) { instalTarget_ = v; }
  // Size of the file on the medium (packed size when packed).
  int32_t DestSize() const { return destSize_; }
  void SetDestSize(int32_t v) { destSize_ = v; }
  // DestSize as the byte count it records: the stored 32-bit key holds sizes up to 4 GB, the
  // largest file a medium's file system carries, so a value past 2 GB reads as negative.
  int64_t DestBytes() const { return static_cast<uint32_t>(destSize_); }
  TFileFlags Flags() const { return flags_; }
  void SetFlags(TFileFlags v) { flags_ = v; }
  bool HasFlag(TFileFlag flag) const { return InSet(flags_, flag); }

  // Run-time fields.
  // The file is out of date (at build time: chosen for the distribution).
  bool Needed() const { return needed_; }
  void SetNeeded(bool v) { needed_ = v; }
  // Why the last CompareFile decided as it did, in words and figures (for the install log).
  const std::string& Reason() const { return reason_; }
  // Sets Needed and its reason.
  void Decide(bool needed, std::string reason) {
    needed_ = needed;
    reason_ = std::move(reason);
  }
  // The files manager of a temporary group read from a group file; nullptr otherwise.
  TFilesManager* FilesManagerLink() const { return filesManagerLink_; }
  void SetFilesManagerLink(TFilesManager* v) { filesManagerLink_ = v; }

  // Path before its first "=" (all of Path without one).
  std::string SourceName() const;
  // Path after its first "=" (all of Path without one).
  std::string DestName() const;
  // Needed, or else IsNeeded of any member.
  bool IsNeeded() const;

  // The full name of the file for one use: kFileBuildSource, kFileBuildDest, kFileMediumSource
  // or kFileTarget.
  std::string GetFileName(TFileNameKind kind) const;
  // The files manager the item belongs to: FilesManagerLink, the owner's files manager, the
  // owning files manager, or the first manager up the owner chain.
  TFilesManager* FilesManager() const;

  // Build time: put the file onto the distribution (copied, or packed when larger than the
  // stored limit) and record its size there. jobs: the threads the item may use for its
  // parts (a group packs its members on them).
  virtual void PackFile(unsigned jobs);
  // Build time: DestSize := size, the size of dest, the file just put onto the distribution
  // (also kept in its figures).
  void RecordDestSize(const std::string& dest, int64_t size);
  // Build time: what PackFile found (zeros before it has run).
  const TBuildFigures& Figures() const { return figures_; }
  // Build time: whether the source (from its position) would go onto the medium unchanged
  // (fg_SingleNotCompress, or 1000 bytes or less) and yet begin with the packing signature, so
  // that it would be read back as packed data. PackFile packs such a file.
  bool WouldReadBackAsPacked(TStream& source) const;
  // Build time: record the date (and version) of the source file.
  virtual void StoreFileInfo();
  // Install time: decide whether the file is out of date (a plain item asks its members).
  virtual void CompareFile();
  // Install time: the install phase copies, the register phase registers, the finish phase
  // finishes special installations.
  virtual void DoUserInstall(TInstallPhase phase);
  // The source as it lies on the medium (packed or stored): a local file read with progress
  // reports, or the downloaded copy of a web address. Reports that the previous file is done.
  std::unique_ptr<TStream> OpenMediumSource(TSetupTotals* totals,
                                            const TProgressProc& progress) const;
  // Reports a local source as read to its end (its DestSize); nothing for a web source, whose
  // loader has reported its progress.
  void ReportSourceRead(TSetupTotals* totals, const TProgressProc& progress) const;
  // Whether the source on the medium is a drive path.
  bool IsLocalSource() const;

 private:
  std::string path_;
  std::string instalTarget_;
  int32_t destSize_ = 0;
  TFileFlags flags_ = 0;

  bool needed_ = false;
  std::string reason_;
  TFilesManager* filesManagerLink_ = nullptr;

 protected:
  // Filled by PackFile; a group member's while its data is made, which the group's writer
  // asks of a const member.
  mutable TBuildFigures figures_;
};

}  // namespace cd
