// The fault matrix: a run over a medium of three files whose second one meets an obstacle. For
// each obstacle: what the user is shown, how the run ends (the console's exit status follows
// it: done 0, failed 1, cancelled 2), that no installed file is half-written or changed, and
// that nothing appeared outside the target folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "base/exceptions.h"
#include "fake_views.h"
#include "install/files_manager.h"
#include "install/hooks.h"
#include "platform/drive_map.h"
#include "platform/files.h"
#include "runner/all_classes.h"
#include "runner/run_outcome.h"
#include "streams/memory_stream.h"
#include "streams/packed_stream.h"
#include "support/hook_guard.h"
#include "support/host_files.h"
#include "support/http_server.h"
#include "support/packed_data.h"
#include "support/socket.h"
#include "support/temp_dir.h"

#ifndef _WIN32
#include "support/file_size_limit.h"
#endif

namespace cd::test {
namespace {

namespace fs = std::filesystem;

constexpr int32_t kMediumTime = 1345282048;  // 2020-03-08: newer than what lies on the disk

enum class Fault {
  DiskFull,
  ReadOnlyTarget,
  FileInUse,
  FolderAtTarget,
  TruncatedPacked,
  PackedBomb,
  DamagedGroup,
  MissingOnServer,
  RefusedConnection,
  NoDestination,
  DestinationOutsideTheDrives,
  HostileName,
};

struct FaultCase {
  Fault fault;
  const char* name;
  // What the user is shown (a failure or an engine message) contains this.
  const char* shown;
};

const FaultCase kCases[] = {
#ifndef _WIN32
    {Fault::DiskFull, "DiskFull", "FaultMatrix\\b.dat\nFile too large"},
#endif
    {Fault::ReadOnlyTarget, "ReadOnlyTarget", "FaultMatrix\\b.dat\nthe file is read-only"},
    {Fault::FileInUse, "FileInUse", "FaultMatrix\\b.dat\nthe file is in use by another program"},
    {Fault::FolderAtTarget, "FolderAtTarget", "FaultMatrix\\b.dat\n"},
    {Fault::TruncatedPacked, "TruncatedPacked", "PKWareError \"ABORT\" in \""},
    {Fault::PackedBomb, "PackedBomb", "run.cfg\" unpacks to more than 256 MiB and is not read"},
    {Fault::DamagedGroup, "DamagedGroup", "Cannot install group file \"FaultMatrix\\b.grp\""},
    {Fault::MissingOnServer, "MissingOnServer", "Cannot load Url \"http://127.0.0.1:"},
    {Fault::RefusedConnection, "RefusedConnection", "Cannot load Url \"http://127.0.0.1:"},
    {Fault::NoDestination, "NoDestination",
     "The destination \"\" for \"FaultMatrix\\b.dat\" is not a folder on a drive"},
    {Fault::DestinationOutsideTheDrives, "DestinationOutsideTheDrives",
     "The destination \"/tmp/x/\" for \"FaultMatrix\\b.dat\" is not a folder on a drive"},
    {Fault::HostileName, "HostileName", "FaultMatrix\\..\\..\\..\\evil.dat\nunsafe name"},
};

// Packed data that unpacks to far more than 256 MiB, made in little time: a run of blanks is
// packed as one copy instruction after another, so the middle of a packed run repeats with a
// short period, and repeating that period makes the output as long as wanted.
const std::string& PackedBomb() {
  static const std::string bomb = [] {
    const std::string sample = Packed(std::string(1 << 20, ' '));
    const size_t start = 64, end = sample.size() - 64;
    for (size_t period = 1; period < 256; ++period) {
      bool repeats = true;
      for (size_t i = start; repeats && i + period < end; ++i)
        repeats = sample[i] == sample[i + period];
      if (!repeats) continue;
      std::string out = sample.substr(0, start);
      while (out.size() < (3u << 20)) out.append(sample, start, period);
      return out;
    }
    return std::string();
  }();
  return bomb;
}

std::string Item(const std::string& kind, const std::string& path, size_t size) {
  const std::string time =
      kind == "TFileGroup" ? "" : "    Time = " + std::to_string(kMediumTime) + "\n";
  return "  object " + kind + "\n    Path = '" + path +
         "'\n    DestSize = " + std::to_string(size) + "\n" + time + "  end\n";
}

class FaultMatrixTest : public ::testing::TestWithParam<FaultCase> {
 protected:
  static void SetUpTestSuite() {
    RegisterAllClasses();
    // The cases' media lie in one folder with a drive letter of its own: a folder each would
    // take a letter each, and the process has no more than 26.
    os::WindowsPath(Media().Path().string());
  }
  static TempDir& Media() {
    static TempDir media;
    return media;
  }

  void SetUp() override {
    target_ = os::HostPath(TFilesManager::GetDirectory(kDirWindowsVok)) + "/FaultMatrix";
    fs::remove_all(target_);
    fs::create_directories(target_);
    static int cases = 0;
    medium_ = Media().Path() / ("case" + std::to_string(++cases));
    fs::create_directories(medium_ / "FaultMatrix");
    Arrange(GetParam().fault);
    before_ = Outside();
    oldTarget_ = ReadHost(fs::path(target_) / "b.dat");
  }

  void TearDown() override {
    inUse_.reset();
    if (fs::exists(fs::path(target_) / "b.dat"))
      fs::permissions(fs::path(target_) / "b.dat", fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(target_);
    fs::remove_all(medium_);
  }

  void Medium(const std::string& name, const std::string& data) {
    std::ofstream(medium_ / "FaultMatrix" / name, std::ios::binary) << data;
  }

  // The medium: a.txt, then the file at fault, then c.txt; the disk may hold an old b.dat.
  void Arrange(Fault fault) {
    const std::string a = "first file", c = "third file";
    std::string b = std::string(70000, 'b');
    std::string items = Item("TDatumValue", "FaultMatrix\\a.txt", a.size());
    std::string prefix;
    switch (fault) {
      case Fault::DamagedGroup: {
        // Unpacks well, but what it holds is no group object.
        b = Packed("TPF0" + std::string(5000, '\x7F'));
        items += Item("TFileGroup", "FaultMatrix\\b.grp", b.size());
        items.insert(items.size() - 6, Item("TDatumValue", "FaultMatrix\\member.txt", 1));
        Medium("b.grp", b);
        break;
      }
      case Fault::NoDestination:
      case Fault::DestinationOutsideTheDrives:
        prefix = "  RunData.AskPathName = 'Data'\n";
        items += Item("TDatumValue", "FaultMatrix\\b.dat", b.size());
        items.insert(items.size() - 6, "    InstalTarget = 'Data'\n");
        Medium("b.dat", b);
        break;
      case Fault::HostileName:
        items += Item("TDatumValue", "FaultMatrix\\..\\..\\..\\evil.dat", b.size());
        Medium("b.dat", b);
        break;
      case Fault::TruncatedPacked:
        b = Packed(b);
        b.resize(b.size() / 2);
        [[fallthrough]];
      default:
        items += Item("TDatumValue", "FaultMatrix\\b.dat", b.size());
        Medium("b.dat", b);
        break;
    }
    items += Item("TDatumValue", "FaultMatrix\\c.txt", c.size());
    Medium("a.txt", a);
    Medium("c.txt", c);
    // An older b.dat on the disk, which the run replaces.
    const auto oldTarget = [&] {
      std::ofstream(fs::path(target_) / "b.dat") << "old";
      os::SetFileDate(TFilesManager::GetDirectory(kDirWindowsVok) + "FaultMatrix\\b.dat",
                      kMediumTime - (1 << 16));
    };
    switch (fault) {
      case Fault::DiskFull:
      case Fault::FileInUse:
        oldTarget();
        break;
      case Fault::ReadOnlyTarget:
        oldTarget();
        fs::permissions(fs::path(target_) / "b.dat", fs::perms::owner_read);
        break;
      case Fault::FolderAtTarget:
        fs::create_directories(fs::path(target_) / "b.dat" / "inside");
        break;
      case Fault::MissingOnServer:
        server_ = std::make_unique<HttpServer>(medium_);
        prefix = "  PrgPrefixPath = '" + server_->Url("") + "'\n";
        fs::remove(medium_ / "FaultMatrix" / "b.dat");
        break;
      case Fault::RefusedConnection:
        prefix = "  PrgPrefixPath = 'http://127.0.0.1:" + std::to_string(UnusedPort()) + "/'\n";
        break;
      default:
        break;
    }
    const std::string config =
        "object FilesManager: TFilesManager\n  Viewers = <\n    item\n      Exe = 'none.exe'\n"
        "      DataName = 'A_A1'\n    end>\n" +
        prefix + items + "end\n";
    std::ofstream(medium_ / "run.cfg", std::ios::binary)
        << (fault == Fault::PackedBomb ? PackedBomb() : config);
  }

  // Every file of the Windows "Vok" folder outside the target folder, and of the medium.
  std::set<std::string> Outside() const {
    std::set<std::string> files;
    for (const std::string& name : FilesUnder(fs::path(target_).parent_path()))
      if (name.rfind("FaultMatrix/", 0) != 0) files.insert("vok/" + name);
    for (const std::string& name : FilesUnder(medium_)) files.insert("medium/" + name);
    return files;
  }

  TRunOutcome Run() {
    TRunnerViews views;
    views.progress = [this] { return std::make_unique<FakeProgressView>(progress_); };
    views.choice = [this] { return std::make_unique<FakeChoiceView>(0, choices_, choiceCalls_); };
    const auto show = [this](const std::exception& e) { shown_.push_back(e.what()); };
    views.showError = show;
    TRunner runner(std::move(views));
    HookGuard showMessage(OnShowMessage(),
                          [this](const std::string& text) { shown_.push_back(text); });
    // A run without anyone to ask again: a refused answer ends it with the check's message.
    HookGuard ask(OnAskDestination(),
                  [this](const std::string&, const TDestinationCheck& check, std::string& path) {
                    path = GetParam().fault == Fault::NoDestination ? "" : "/tmp/x/";
                    if (const std::string refusal = check(path); !refusal.empty())
                      throw Exception(refusal);
                  });
    const std::string config = os::WindowsPath((medium_ / "run.cfg").string());
    if (GetParam().fault == Fault::FileInUse) {
      inUse_ = os::OpenFile(TFilesManager::GetDirectory(kDirWindowsVok) + "FaultMatrix\\b.dat",
                            os::OpenMode::Read, os::ShareMode::DenyWrite);
    }
#ifndef _WIN32
    std::unique_ptr<FileSizeLimit> limit;
    if (GetParam().fault == Fault::DiskFull) limit = std::make_unique<FileSizeLimit>(20000);
#endif
    return RunAndReport(runner, config, show);
  }

  fs::path medium_;
  std::string target_;
  std::unique_ptr<HttpServer> server_;
  std::unique_ptr<os::File> inUse_;
  std::set<std::string> before_;
  std::string oldTarget_;
  ProgressRecord progress_;
  std::vector<std::string> choices_;
  int choiceCalls_ = 0;
  std::vector<std::string> shown_;
};

TEST_P(FaultMatrixTest, ShowsTheCauseFailsAndLeavesNothingHalfWritten) {
  EXPECT_EQ(Run(), TRunOutcome::Failed);
  ASSERT_EQ(shown_.size(), 1u);
  EXPECT_NE(shown_[0].find(GetParam().shown), std::string::npos) << shown_[0];

  // The run stopped at the second file: the third never came, the second is as it was.
  const std::set<std::string> installed = FilesUnder(target_);
  EXPECT_EQ(installed.count("c.txt"), 0u);
  if (GetParam().fault == Fault::FolderAtTarget) {
    EXPECT_TRUE(fs::is_directory(fs::path(target_) / "b.dat" / "inside"));
  } else if (installed.count("b.dat")) {
    EXPECT_EQ(ReadHost(fs::path(target_) / "b.dat"), oldTarget_);
  }
  for (const std::string& name : installed)
    EXPECT_EQ(name.find(".~"), std::string::npos) << "temporary file left: " << name;
  if (installed.count("a.txt")) {
    EXPECT_EQ(ReadHost(fs::path(target_) / "a.txt"), "first file");
  }
  EXPECT_EQ(Outside(), before_);
  EXPECT_FALSE(os::FileExists("C:\\evil.dat"));  // where the hostile name leads
}

INSTANTIATE_TEST_SUITE_P(Faults, FaultMatrixTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<FaultCase>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
}  // namespace cd::test
