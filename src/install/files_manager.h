// TFilesManager: the root of an installation description. Its children are the file items;
// besides them it carries the viewers offered to the user, the run options, the base path of
// the files on the medium and the named destination directories.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "config/collection.h"
#include "config/string_list.h"
#include "install/e_manager.h"
#include "install/files_manager_run_data.h"

namespace cd {

class ISetupCallBack;
class TFileItem;
class TMediumSums;
class TStream;

// Kinds of GetDirectory: the Windows directory, the system directory, the Windows directory
// followed by "Vok\".
// The kinds of GetDirectory, numbered as callers know them.
enum TDirectoryKind : int { kDirWindows = 0, kDirSystem = 1, kDirWindowsVok = 2 };

class TFilesManager : public TEManager {
 public:
  explicit TFilesManager(TComponent* owner);
  ~TFilesManager() override;
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  // Stored keys.
  const std::string& PrgSubpath() const { return prgSubpath_; }
  void SetPrgSubpath(const std::string& v) { prgSubpath_ = v; }
  // Collection of TViewerItem: the applications offered to the user.
  TCollection& Viewers() const { return *viewers_; }
  TFilesManagerRunData& RunData() const { return *runData_; }
  // Base directory of the medium; empty means the directory of the configuration itself.
  const std::string& PrgPrefixPath() const { return prgPrefixPath_; }
  void SetPrgPrefixPath(const std::string& v) { prgPrefixPath_ = v; }
  // Format number of the description; 1 at creation, not interpreted.
  int32_t Version() const { return version_; }
  void SetVersion(int32_t v) { version_ = v; }

  // Run-time fields.
  // Base path of the files on the medium.
  const std::string& PrgPath() const { return prgPath_; }
  void SetPrgPath(const std::string& v) { prgPath_ = v; }
  // The callback given to the last Update; not owned.
  ISetupCallBack* Callback() const { return callback_; }
  void SetCallback(ISetupCallBack* v) { callback_ = v; }
  bool MediaPlayerInstalled() const { return mediaPlayerInstalled_; }
  void SetMediaPlayerInstalled(bool v) { mediaPlayerInstalled_ = v; }
  // Named destination directories, lines of the form name=path.
  TStringList& Targets() const { return *targets_; }
  const std::string& RunCommand() const { return runCommand_; }
  void SetRunCommand(const std::string& v) { runCommand_ = v; }
  const std::string& RunTitle() const { return runTitle_; }
  void SetRunTitle(const std::string& v) { runTitle_ = v; }
  // The sums of the medium the configuration came from; nullptr when it carries none, and
  // then nothing is checked.
  const TMediumSums* MediumSums() const { return mediumSums_.get(); }
  void SetMediumSums(std::shared_ptr<const TMediumSums> v) { mediumSums_ = std::move(v); }

  // A dry run's preparation: decides every item like PrepareUpdate and writes nothing (the
  // network settings are only looked for). Set before PrepareUpdate.
  bool PlanOnly() const { return planOnly_; }
  void SetPlanOnly(bool v) { planOnly_ = v; }
  // Whether the last PrepareUpdate found network settings to carry.
  bool NetSettingsFound() const { return netSettingsFound_; }

  // Reads a files manager from the object text of stream and computes PrgPath from
  // PrgPrefixPath, or from the folder of configName, followed by PrgSubpath.
  static std::unique_ptr<TFilesManager> CreateFromStream(TStream& stream,
                                                         const std::string& configName);
  // A directory of kind kDirWindows, kDirSystem or kDirWindowsVok, ending with a backslash.
  static std::string GetDirectory(TDirectoryKind kind);
  // The first file item (a child, or a member of a child) whose Path equals name without
  // regard to letter case; nullptr when none.
  TFileItem* FindItem(std::string_view name) const;
  // Every name must be found, else "TFilesManager.CheckList: Item \"%s\" does not exist".
  void CheckList(const TStringList& names) const;
  // Asks for the destination, carries the network settings over, decides every item and
  // returns the bytes to copy.
  int64_t PrepareUpdate(ISetupCallBack* callback);
  // The update run: installs, registers and finishes the needed items, then starts the
  // chosen program or asks for a restart.
  void Update(ISetupCallBack* callback);
  // Build time: marks the named items, then keeps only the items needed.
  void KeepListed(const TStringList& names);
  // The items' checks, then every file named by the selection outline must exist.
  void CheckConsistence() override;
  // Records the date of every item's source, on up to jobs threads.
  void StoreAllFileInfo(unsigned jobs = 1);
  // Packs every file item onto the medium, on up to jobs threads.
  void PackAll(unsigned jobs = 1);
  // The top-level file items, in order.
  std::vector<TFileItem*> FileItems() const;

 private:
  // Runs work on every file item on up to jobs threads; each completed item is one step of
  // the install manager.
  void EachItemWithStep(unsigned jobs, const std::function<void(TFileItem&)>& work);

  std::string prgSubpath_;
  std::unique_ptr<TCollection> viewers_;
  std::unique_ptr<TFilesManagerRunData> runData_;
  std::string prgPrefixPath_;
  int32_t version_ = 1;

  std::string prgPath_;
  ISetupCallBack* callback_ = nullptr;
  bool mediaPlayerInstalled_ = false;
  std::unique_ptr<TStringList> targets_;
  std::string runCommand_;
  std::string runTitle_;
  bool planOnly_ = false;
  bool netSettingsFound_ = false;
  std::shared_ptr<const TMediumSums> mediumSums_;
};

}  // namespace cd
