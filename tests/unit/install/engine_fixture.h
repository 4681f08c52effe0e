// A medium folder and a target disk folder in temporary space, a files manager over them,
// and a setup callback that records what the engine reports.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "install/component_list.h"
#include "install/datum_value.h"
#include "install/file_group.h"
#include "install/files_manager.h"
#include "install/install_manager_link.h"
#include "install/setup_callback.h"
#include "support/temp_dir.h"

namespace cd::test {

struct ProgressReport {
  int64_t code;
  int64_t size;
};

class RecordingCallback : public ISetupCallBack {
 public:
  void SetMessages(const std::string& msg, const std::string& fileName) override {
    messages.push_back(msg + "|" + fileName);
  }
  TProgressProc GetProgressProc() override {
    return [this](int64_t code, int64_t size, TSetupTotals* t) {
      reports.push_back({code, size});
      totalsSeen = t;
      return true;
    };
  }
  TSetupTotals* GetTotals() override { return &totals; }
  TStepProc GetStepProc() override {
    return [this] { ++steps; };
  }
  void SetRange(int32_t min, int32_t max) override { ranges.push_back({min, max}); }
  void ShowRestartMessage(const std::string& appTitle) override {
    restartTitles.push_back(appTitle);
  }

  TSetupTotals totals;
  TSetupTotals* totalsSeen = nullptr;
  std::vector<ProgressReport> reports;
  std::vector<std::string> messages;
  std::vector<ProgressReport> ranges;
  std::vector<std::string> restartTitles;
  int steps = 0;
};

// The build side's install manager: sources in one folder, the medium in another; counts the
// observer's steps.
class BuildRoot : public TComponentList, public IInstallManager {
 public:
  BuildRoot(std::string source, std::string dest)
      : TComponentList(nullptr), source_(std::move(source)), dest_(std::move(dest)) {}
  TComponentList& AsList() override { return *this; }
  const std::string& SourcePrgPath() const override { return source_; }
  const std::string& DestPrgPath() const override { return dest_; }
  void Step() override { ++steps; }
  int steps = 0;

 private:
  std::string source_;
  std::string dest_;
};

class EngineFixture {
 public:
  EngineFixture();

  // Windows names of the two folders, each ending with a backslash.
  const std::string& MediumPath() const { return mediumPath_; }
  const std::string& DiskPath() const { return diskPath_; }
  // Host names of files in the two folders.
  std::string MediumFile(const std::string& name) const;
  std::string DiskFile(const std::string& name) const;

  // Writes a file (creating folders) and gives it a date in the packed DOS form.
  static void WriteFile(const std::string& hostName, const std::string& data, int32_t dosDate);
  static std::string ReadFile(const std::string& hostName);
  // A packed DOS date-time for a day of 2020 at noon.
  static int32_t Day(int day);

  // A files manager reading from the medium; the target "Disk" names the disk folder, or the
  // given folder below it (ending with a backslash).
  std::unique_ptr<TFilesManager> NewFilesManager(const std::string& diskFolder = "") const;
  // A datum of owner that installs to "Disk", recorded on day 15 with the size of mediumData,
  // which is written to the medium as mediumName (a path with backslashes).
  TDatumValue* AddMediumDatum(TComponent* owner, const std::string& path,
                              const std::string& mediumData, std::string mediumName) const;

 private:
  TempDir root_;
  std::string mediumPath_;
  std::string diskPath_;
};

// Hands a group built on the medium over to an installing files manager: a copy of it with the
// packed size the build found, as a configuration would carry it.
TFileGroup* HandOver(const TFileGroup& built, TFilesManager& install);

}  // namespace cd::test
