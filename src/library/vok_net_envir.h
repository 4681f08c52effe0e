// TVokNetEnvir: the network installation settings ("VokNet.ini"): paths and volume labels of
// the installation, the supervisor mode, and where the network installation lies.
#pragma once

#include <memory>
#include <string>

#include "config/component.h"
#include "config/string_list.h"

namespace cd {

// A three-state Boolean; be_None means not set.
enum class TBooleanEx { be_None, be_False, be_True };
const TEnumTypeInfo& BooleanExType();

class TVokNetEnvir : public TComponent {
 public:
  explicit TVokNetEnvir(TComponent* owner);
  ~TVokNetEnvir() override;
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  const std::string& BasicPath() const { return basicPath_; }
  void SetBasicPath(const std::string& v) { basicPath_ = v; }
  const std::string& VolumeLabel() const { return volumeLabel_; }
  void SetVolumeLabel(const std::string& v) { volumeLabel_ = v; }
  TBooleanEx SupervisorMode() const { return supervisorMode_; }
  void SetSupervisorMode(TBooleanEx v) { supervisorMode_ = v; }
  const std::string& CDRomPath() const { return cdRomPath_; }
  void SetCDRomPath(const std::string& v) { cdRomPath_ = v; }
  const std::string& CourseVolumeLabel() const { return courseVolumeLabel_; }
  void SetCourseVolumeLabel(const std::string& v) { courseVolumeLabel_ = v; }
  // Folder of the network installation, its name, and the users' folder (filled by the runner).
  const std::string& NetDiskPath() const { return netDiskPath_; }
  void SetNetDiskPath(const std::string& v) { netDiskPath_ = v; }
  const std::string& NetVolLab() const { return netVolLab_; }
  void SetNetVolLab(const std::string& v) { netVolLab_ = v; }
  const std::string& NetUserDir() const { return netUserDir_; }
  void SetNetUserDir(const std::string& v) { netUserDir_ = v; }
  bool EnableNewUser() const { return enableNewUser_; }
  void SetEnableNewUser(bool v) { enableNewUser_ = v; }
  const std::string& Lang() const { return lang_; }
  void SetLang(const std::string& v) { lang_ = v; }
  // A list owned by the settings and not stored.
  TStringList& Strings() const { return *strings_; }

 private:
  std::string basicPath_;
  std::string volumeLabel_;
  TBooleanEx supervisorMode_ = TBooleanEx::be_None;
  std::string cdRomPath_;
  std::string courseVolumeLabel_;
  std::string netDiskPath_;
  std::string netVolLab_;
  std::string netUserDir_;
  bool enableNewUser_ = false;
  std::string lang_;
  std::unique_ptr<TStringList> strings_;
};

}  // namespace cd
