// The removal run around the uninstaller: its progress view shows each file and folder as its
// turn comes, with the bar at the share done and the view kept painted.
#include "runner/removal_run.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "install/hooks.h"
#include "install/install_classes.h"
#include "install/install_recorder.h"
#include "install/log_event.h"
#include "platform/drive_map.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "support/hook_guard.h"
#include "support/temp_dir.h"
#include "unit/runner/fake_views.h"

namespace cd {
namespace {

// Keeps every file name the view was given, in order.
class NamesView : public test::FakeProgressView {
 public:
  NamesView(test::ProgressRecord& record, std::vector<std::string>& names)
      : FakeProgressView(record), names_(names) {}
  void SetFileName(const std::string& text) override {
    FakeProgressView::SetFileName(text);
    names_.push_back(text);
  }

 private:
  std::vector<std::string>& names_;
};

TEST(RemovalRunTest, TheProgressShowsEachFileAsItIsRemoved) {
  RegisterInstallClasses();
  test::TempDir dir;
  auto windows = [&](const std::string& name) { return os::WindowsPath(dir.File(name)); };
  const std::string records = os::IncludeTrailingBackslash(windows("Vok"));
  const std::string folder = windows("Kurs");
  {
    TInstallRecorder recorder(records, "A");
    for (const char* name : {"Kurs/a.dat", "Kurs/b.dat"}) {
      recorder.Take(TLogEvent("decision").Str("target", windows(name)).Bool("needed", true));
      os::ForceDirectories(folder);
      os::WriteWholeFile(windows(name), name);
      recorder.Take(TLogEvent("copy").Str("target", windows(name)));
    }
    recorder.SaveIfInstalled();
  }

  test::ProgressRecord shown;
  std::vector<std::string> names;
  TRemovalRequest request;
  request.appName = "A";
  request.recordsFolder = records;
  request.progress = [&] { return std::make_unique<NamesView>(shown, names); };
  std::string closing;
  test::HookGuard messages(OnShowMessage(), [&](const std::string& text) { closing = text; });
  ASSERT_EQ(RunRemoval(request, [](const std::exception& e) { FAIL() << e.what(); }),
            TRunOutcome::Done);

  ASSERT_GE(names.size(), 4u);
  EXPECT_EQ(std::vector<std::string>(names.begin(), names.begin() + 3),
            (std::vector<std::string>{windows("Kurs/a.dat"), windows("Kurs/b.dat"), folder}));
  EXPECT_EQ(names.back(), "");
  EXPECT_EQ(shown.position, 100);
  EXPECT_GE(shown.pumps, static_cast<int>(names.size()));
  EXPECT_FALSE(os::DirectoryExists(folder));
  EXPECT_EQ(closing, "\"A\" was removed.");
}

}  // namespace
}  // namespace cd
