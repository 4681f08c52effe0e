// TDatumValue: a file item compared by its date: the recorded file time in the packed DOS form,
// its readable text, and whether an install failure of this file is ignored.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "install/file_item.h"

namespace cd {
namespace os {
class File;
}

class TDatumValue : public TFileItem {
 public:
  using TFileItem::TFileItem;
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  // Time as "dd/mm/yyyy hh:mm:ss"; empty when Time is 0 or holds no valid date. Written for
  // people to read; a value read from a configuration is ignored.
  std::string TimeAsText() const;
  // Date in the high 16 bits, time in the low 16 bits (DOS form, local time).
  int32_t Time() const { return time_; }
  void SetTime(int32_t v) { time_ = v; }
  bool IgnoreUserInstallError() const { return ignoreUserInstallError_; }
  void SetIgnoreUserInstallError(bool v) { ignoreUserInstallError_ = v; }

  // Needed when the target is missing, unreadable or older than Time.
  void CompareFile() override;
  void StoreFileInfo() override;
  // Phase 0 copies the file from the medium; failures become EViolationError naming the
  // target unless IgnoreUserInstallError drops them.
  void DoUserInstall(TInstallPhase phase) override;
  void CheckConsistence() override;
  // Installs the file from embedded data (the Data value of a group file).
  virtual void InstallData(TStream& stream);
  // Build time: whether the source (from its position), embedded the way the flags ask, would
  // be stored unchanged and yet be taken for packed data when installed; such data is packed.
  bool DataWouldReadBackAsPacked(TStream& source) const;
  // Build time: the bytes the item embeds in its group file (its source, packed where the
  // flags or its first bytes ask for it).
  std::string EmbeddedData() const;

 protected:
  // The date rule: whether a target with date `date` (-1 when unreadable) is out of date.
  bool OutOfDate(int32_t date) const { return date < 1 || date < time_; }
  // Replaces the target as a whole by what write puts into the new file, and dates it.
  void ReplaceTarget(const std::string& target, const std::function<void(os::File&)>& write) const;

 private:
  int32_t time_ = 0;
  bool ignoreUserInstallError_ = false;
};

}  // namespace cd
