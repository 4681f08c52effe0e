// TInstallManager: the converter that builds the run configuration of one medium from an
// installation description (files, file lists, viewers and media below it).
#pragma once

#include <functional>
#include <string>

#include "install/install_manager_link.h"
#include "runner/convert_filter.h"

namespace cd {

class TRunCDRom;
class TInstallManager;

// Chooses the medium to build (sets CDRom); set by a host, never by this system.
using TAdjustInstallerHook = std::function<void(TInstallManager&)>;
TAdjustInstallerHook& OnAdjustInstaller();

class TInstallManager : public TConvertFilter, public IInstallManager {
 public:
  explicit TInstallManager(TComponent* owner) : TConvertFilter(owner) {}
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  const std::string& SourcePrgPath() const override { return sourcePrgPath_; }
  void SetSourcePrgPath(const std::string& v) { sourcePrgPath_ = v; }
  const std::string& DestPrgPath() const override { return destPrgPath_; }
  void SetDestPrgPath(const std::string& v) { destPrgPath_ = v; }
  const std::string& CDRomPrgSubPath() const { return cdRomPrgSubPath_; }
  void SetCDRomPrgSubPath(const std::string& v) { cdRomPrgSubPath_ = v; }
  const std::string& ConfigFileName() const { return configFileName_; }
  void SetConfigFileName(const std::string& v) { configFileName_ = v; }

  // The medium being built; not owned, set by the OnAdjustInstaller hook.
  TRunCDRom* CDRom() const { return cdRom_; }
  void SetCDRom(TRunCDRom* v) { cdRom_ = v; }

  // How many threads pack the medium's files (not stored; 1 unless a host sets it).
  unsigned Jobs() const { return jobs_; }
  void SetJobs(unsigned v) { jobs_ = v; }

  TComponentList& AsList() override { return *this; }
  void Step() override { TConvertFilter::Step(); }

  // Checks every run item of the description.
  void BeforeExecute() override;
  // Builds the run configuration of the medium that OnAdjustInstaller chooses.
  void Execute() override;

 private:
  std::string sourcePrgPath_;
  std::string destPrgPath_;
  std::string cdRomPrgSubPath_;
  std::string configFileName_;
  TRunCDRom* cdRom_ = nullptr;
  unsigned jobs_ = 1;
};

}  // namespace cd
