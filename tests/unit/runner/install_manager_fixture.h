// A build in temporary space: an install manager whose sources lie in src\ and whose medium
// is written to out\ (run.cfg there, program files in out\prg\), on drive T: (the real path
// on Windows), with the host's OnAdjustInstaller hook choosing the medium to build while it runs.
#pragma once

#include <memory>
#include <string>

#include "runner/install_manager.h"
#include "support/temp_dir.h"

namespace cd {
class TFileItem;
class TFilesManager;
class TRunCDRom;
class TRunData;
class TRunViewer;
}  // namespace cd

namespace cd::test {

class InstallManagerFixture {
 public:
  InstallManagerFixture();
  ~InstallManagerFixture();

  TInstallManager& Manager() { return *manager_; }
  TFilesManager& Files();
  // Host names below src\ and out\.
  std::string SourceFile(const std::string& name) const;
  std::string OutFile(const std::string& name) const;

  // Writes a source file (creating folders) with a date in the packed DOS form.
  void WriteSource(const std::string& name, const std::string& data, int32_t dosDate = 0);
  static std::string ReadHost(const std::string& hostName);
  static bool HostExists(const std::string& hostName);

  // A TDatumValue of the files manager, with its source file written.
  TFileItem* AddDatum(const std::string& path, const std::string& data);
  TRunViewer* AddViewer(const std::string& name, const std::string& exePath);
  TRunData* AddCourse(TRunViewer* viewer, const std::string& name, int id);
  TRunCDRom* AddMedium(const std::string& mediumId, std::initializer_list<const char*> files);

  // Runs the build the way a parent converter does: BeforeExecute, then Execute with the
  // hook choosing medium.
  void Build(TRunCDRom* medium);
  // The run configuration written, as its bytes and read back through a virtual stream.
  std::string ConfigBytes() const;
  std::unique_ptr<TFilesManager> ReadBack() const;

 private:
  TempDir root_;
  std::unique_ptr<TInstallManager> manager_;
};

// A packed DOS date-time of a day of January 2020 at noon.
int32_t Day(int day);
// The piece repeated to the given size (the last repetition cut).
std::string Repeated(const std::string& piece, size_t size);

}  // namespace cd::test
