// The update run from a medium on a web server: stored, packed and group files loaded from a
// real HTTP server on 127.0.0.1 with the loader's progress, and the failures of a missing
// document or a refused connection.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "base/exceptions.h"
#include "config/config_io.h"
#include "engine_fixture.h"
#include "install/datum_value.h"
#include "install/file_group.h"
#include "install/install_classes.h"
#include "install/install_manager_link.h"
#include "install/packed_name.h"
#include "platform/files.h"
#include "streams/memory_stream.h"
#include "streams/packed_stream.h"
#include "support/http_server.h"
#include "support/message_of.h"
#include "support/packed_data.h"
#include "support/socket.h"

namespace cd::test {
namespace {

std::string Text(size_t size, char seed) {
  std::string s;
  for (size_t i = 0; s.size() < size; ++i)
    s += "line " + std::to_string(i % 89) + seed + " of a course\r\n";
  s.resize(size);
  return s;
}

// The reports of one run cut at each "file finished" (-1, -1) report.
std::vector<std::vector<ProgressReport>> PerFile(const std::vector<ProgressReport>& reports) {
  std::vector<std::vector<ProgressReport>> files;
  for (const ProgressReport& r : reports) {
    if (r.code == -1 && r.size == -1) {
      files.emplace_back();
    } else if (!files.empty()) {
      files.back().push_back(r);
    }
  }
  return files;
}

class WebUpdateTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { RegisterInstallClasses(); }

  // The medium folder as the server's "medium/" folder.
  std::string MediumUrl() const { return server_.Url("medium/"); }

  TDatumValue* Datum(const std::string& path, const std::string& mediumData) {
    return fx_.AddMediumDatum(manager_.get(), path, mediumData, PackedName(path));
  }

  // A packed group of two members built onto the medium and handed to the manager.
  TFileGroup* Group() {
    BuildRoot root(fx_.DiskPath() + "src\\", fx_.MediumPath());
    auto* files = new TFilesManager(&root);
    auto* group = new TFileGroup(files, "cards.grp");
    for (const char* name : {"one.txt", "two.txt"}) {
      auto* member = new TDatumValue(group, name);
      member->SetInstalTarget("Disk");
      EngineFixture::WriteFile(fx_.DiskFile(std::string("src/") + name), Text(3000, name[1]),
                               EngineFixture::Day(3));
    }
    files->StoreAllFileInfo();
    files->PackAll();
    return HandOver(*group, *manager_);
  }

  std::string RunFailure() {
    return MessageOf([&] {
      manager_->PrepareUpdate(&callback_);
      manager_->Update(&callback_);
    });
  }

  EngineFixture fx_;
  HttpServer server_{std::filesystem::path(fx_.MediumFile("x")).parent_path().parent_path()};
  std::unique_ptr<TFilesManager> manager_ = [this] {
    auto manager = fx_.NewFilesManager();
    manager->SetPrgPath(MediumUrl());
    return manager;
  }();
  RecordingCallback callback_;
};

TEST_F(WebUpdateTest, InstallsStoredPackedAndGroupFiles) {
  const std::string big = Text(200000, 'b'), notes = Text(40000, 'n');
  Datum("small.txt", "tiny");
  Datum("lib\\big.dll", Packed(big));
  Datum("notes.txt", Packed(notes));  // unpacked for its signature, whatever its name
  Group();
  manager_->PrepareUpdate(&callback_);
  manager_->Update(&callback_);

  EXPECT_EQ(EngineFixture::ReadFile(fx_.DiskFile("small.txt")), "tiny");
  EXPECT_EQ(EngineFixture::ReadFile(fx_.DiskFile("lib/big.dll")), big);
  EXPECT_EQ(EngineFixture::ReadFile(fx_.DiskFile("notes.txt")), notes);
  EXPECT_EQ(EngineFixture::ReadFile(fx_.DiskFile("one.txt")), Text(3000, 'n'));
  EXPECT_EQ(EngineFixture::ReadFile(fx_.DiskFile("two.txt")), Text(3000, 'w'));
  EXPECT_EQ(os::FileAge(fx_.DiskPath() + "lib\\big.dll"), EngineFixture::Day(15));
  EXPECT_EQ(os::FileAge(fx_.DiskPath() + "one.txt"), EngineFixture::Day(3));
  EXPECT_EQ(server_.Requests(), 4);  // one load per file, the group included
}

TEST_F(WebUpdateTest, LoaderProgressGrowsToEachFilesSizeBetweenTheMarks) {
  const std::string packed = Packed(Text(300000, 'p')), stored = Text(700000, 's');
  Datum("a.dll", packed);
  Datum("b.dat", stored);
  manager_->PrepareUpdate(&callback_);
  manager_->Update(&callback_);

  ASSERT_FALSE(callback_.reports.empty());
  EXPECT_EQ(callback_.reports.front().code, -1);
  EXPECT_EQ(callback_.reports.back().code, -2);
  EXPECT_EQ(callback_.reports.back().size, -2);
  EXPECT_EQ(callback_.totalsSeen, &callback_.totals);
  callback_.reports.pop_back();
  const auto files = PerFile(callback_.reports);
  ASSERT_EQ(files.size(), 2u);
  const int32_t sizes[] = {static_cast<int32_t>(packed.size()),
                           static_cast<int32_t>(stored.size())};
  for (size_t f = 0; f < files.size(); ++f) {
    ASSERT_FALSE(files[f].empty()) << "file " << f;
    int32_t last = 0;
    for (const ProgressReport& r : files[f]) {
      EXPECT_GE(r.code, last) << "file " << f;
      EXPECT_LE(r.code, sizes[f]) << "file " << f;
      last = r.code;
    }
    // The last report of a load says the whole document is there; no opened-file report follows.
    EXPECT_EQ(files[f].back().code, sizes[f]);
    EXPECT_EQ(files[f].back().size, sizes[f]);
  }
}

TEST_F(WebUpdateTest, BackslashesInTheBaseAddressBecomeForwardSlashes) {
  Datum("deep\\er\\file.exe", Packed(Text(5000, 'e')));
  auto* item = static_cast<TFileItem*>(manager_->Child(0));
  EXPECT_EQ(item->GetFileName(kFileMediumSource), MediumUrl() + "deep/er/file.ex_");
  manager_->SetPrgPath(MediumUrl().substr(0, MediumUrl().size() - 1) + "\\");
  EXPECT_EQ(item->GetFileName(kFileMediumSource), MediumUrl() + "deep/er/file.ex_");
  manager_->PrepareUpdate(&callback_);
  manager_->Update(&callback_);
  EXPECT_EQ(EngineFixture::ReadFile(fx_.DiskFile("deep/er/file.exe")), Text(5000, 'e'));
}

// Names on a medium may hold spaces; the address sent to the server carries them escaped.
TEST_F(WebUpdateTest, NamesWithSpacesLoad) {
  Datum("Course Data\\read me.txt", "spaced");
  manager_->PrepareUpdate(&callback_);
  manager_->Update(&callback_);
  EXPECT_EQ(EngineFixture::ReadFile(fx_.DiskFile("Course Data/read me.txt")), "spaced");
}

TEST_F(WebUpdateTest, MissingDocumentEndsTheRunAndKeepsTheOldFile) {
  Datum("first.txt", "first");
  auto* absent = new TDatumValue(manager_.get(), "absent.txt");
  absent->SetInstalTarget("Disk");
  absent->SetTime(EngineFixture::Day(15));
  Datum("after.txt", "after");
  EngineFixture::WriteFile(fx_.DiskFile("absent.txt"), "old", EngineFixture::Day(1));

  EXPECT_EQ(RunFailure(), "Cannot load Url \"" + MediumUrl() + "absent.txt\"");
  EXPECT_EQ(EngineFixture::ReadFile(fx_.DiskFile("first.txt")), "first");
  EXPECT_EQ(EngineFixture::ReadFile(fx_.DiskFile("absent.txt")), "old");
  EXPECT_FALSE(os::FileExists(fx_.DiskPath() + "after.txt"));
}

TEST_F(WebUpdateTest, RefusedConnectionEndsTheRun) {
  Datum("a.txt", "data");
  const std::string url = "http://127.0.0.1:" + std::to_string(UnusedPort()) + "/medium/";
  manager_->SetPrgPath(url);
  EXPECT_EQ(RunFailure(), "Cannot load Url \"" + url + "a.txt\"");
  EXPECT_FALSE(os::FileExists(fx_.DiskPath() + "a.txt"));
}

TEST_F(WebUpdateTest, CurrentFilesAreNotLoaded) {
  Datum("a.txt", "new");
  EngineFixture::WriteFile(fx_.DiskFile("a.txt"), "user's", EngineFixture::Day(20));
  EXPECT_EQ(manager_->PrepareUpdate(&callback_), 0);
  manager_->Update(&callback_);
  EXPECT_EQ(server_.Requests(), 0);
  EXPECT_EQ(EngineFixture::ReadFile(fx_.DiskFile("a.txt")), "user's");
}

}  // namespace
}  // namespace cd::test
