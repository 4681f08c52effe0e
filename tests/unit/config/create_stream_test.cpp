// Name kinds and CreateStream: local files with progress on every read, web documents from a
// real HTTP server on 127.0.0.1, and names that cannot be opened.
#include "config/create_stream.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "base/exceptions.h"
#include "config/name_kind.h"
#include "platform/drive_map.h"
#include "platform/files.h"
#include "support/http_server.h"
#include "support/message_of.h"
#include "support/temp_dir.h"
#include "support/url_library_probe.h"

namespace cd {
namespace {

TEST(NameKind, ClassifiesByFirstCharacters) {
  EXPECT_EQ(NameKind("C:\\x\\run.cfg"), nk_LocalFile);
  EXPECT_EQ(NameKind("d:"), nk_LocalFile);
  EXPECT_EQ(NameKind("h:ttp://x"), nk_LocalFile);
  EXPECT_EQ(NameKind("http://server/run.cfg"), nk_WebDocument);
  EXPECT_EQ(NameKind("HTTP://SERVER/RUN.CFG"), nk_WebDocument);
  EXPECT_EQ(NameKind("hTtP://"), nk_WebDocument);
  EXPECT_EQ(NameKind("https://server/run.cfg"), nk_WebDocument);
  EXPECT_EQ(NameKind("HTTPS://server"), nk_WebDocument);
}

TEST(NameKind, EverythingElseIsUnusable) {
  for (const char* name :
       {"", "C", "\\\\server\\share\\run.cfg", "run.cfg", "\\run.cfg", "http:/server",
        "http:\\\\server", "httpx://server", "ftp://server", "file://C:/run.cfg", " http://server"})
    EXPECT_EQ(NameKind(name), nk_Unusable) << name;
}

using test::MessageOf;

class CreateStreamTest : public ::testing::Test {
 protected:
  void Write(const std::string& relative, const std::string& data) {
    const auto path = root_.Path() / relative;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << data;
  }
  // The drive path under which the platform layer finds a file of the temporary folder.
  std::string DrivePath(const std::string& name) { return os::WindowsPath(root_.File(name)); }

  test::TempDir root_;
  std::vector<std::array<int64_t, 3>> reports_;
  TLoadProgressEvent recorder_ = [this](int64_t p, int64_t m, intptr_t v) {
    reports_.push_back({p, m, static_cast<int64_t>(v)});
  };
};

TEST_F(CreateStreamTest, UnusableNameFails) {
  for (const std::string name : {"run.cfg", "\\\\server\\share\\run.cfg", ""})
    EXPECT_EQ(MessageOf([&] { CreateStream(name, 0, nullptr); }),
              "FileSrc.CreateStream: Cannot create stream (\"" + name + "\")");
}

TEST_F(CreateStreamTest, LocalFileReportsEveryRead) {
  Write("run.cfg", std::string(5000, 'x'));
  auto stream = CreateStream(DrivePath("run.cfg"), 77, recorder_);
  EXPECT_EQ(stream->Position(), 0);
  char buffer[2000];
  EXPECT_EQ(stream->Read(buffer, 2000), 2000);
  EXPECT_EQ(stream->Read(buffer, 2000), 2000);
  EXPECT_EQ(stream->Read(buffer, 2000), 1000);
  EXPECT_EQ(stream->Read(buffer, 2000), 0);
  const std::vector<std::array<int64_t, 3>> expected = {
      {2000, 5000, 77}, {4000, 5000, 77}, {5000, 5000, 77}, {5000, 5000, 77}};
  EXPECT_EQ(reports_, expected);
}

TEST_F(CreateStreamTest, LocalFileWithoutHandlerReadsPlainly) {
  Write("sub/data.bin", "abc");
  auto stream = CreateStream(DrivePath("sub/data.bin"), 0, nullptr);
  EXPECT_EQ(stream->ReadRest(), "abc");
}

TEST_F(CreateStreamTest, OpenLocalFileKeepsOthersFromReadingNotWriting) {
  Write("run.cfg", "data");
  const std::string name = DrivePath("run.cfg");
  auto stream = CreateStream(name, 0, nullptr);
  EXPECT_THROW(os::OpenFile(name, os::OpenMode::Read, os::ShareMode::DenyNone), Exception);
  EXPECT_NO_THROW(os::OpenFile(name, os::OpenMode::Write, os::ShareMode::DenyNone));
}

TEST_F(CreateStreamTest, MissingLocalFilePassesFileSystemFailureOn) {
  const std::string message = MessageOf([&] { CreateStream(DrivePath("none.cfg"), 0, nullptr); });
  EXPECT_EQ(message.find("FileSrc.CreateStream"), std::string::npos) << message;
}

TEST_F(CreateStreamTest, WebNameWithBackslashesOpensForwardSlashAddress) {
  Write("cd/data/run.cfg", "object Manager: TFilesManager end");
  test::HttpServer server(root_.Path());
  const std::string name =
      "HTTP://127.0.0.1:" + std::to_string(server.Port()) + "\\cd\\data\\run.cfg";
  auto stream = CreateStream(name, 9, recorder_);
  EXPECT_EQ(stream->Size(), 33);
  EXPECT_EQ(stream->ReadRest(), "object Manager: TFilesManager end");
  ASSERT_FALSE(reports_.empty());
  EXPECT_EQ(reports_.back()[0], 33);
  EXPECT_EQ(reports_.back()[2], 9);
}

TEST_F(CreateStreamTest, MissingWebDocumentNamesTheForwardSlashAddress) {
  test::HttpServer server(root_.Path());
  const std::string url = server.Url("cd/run.cfg");
  EXPECT_EQ(MessageOf([&] { CreateStream(server.Url("cd\\run.cfg"), 0, nullptr); }),
            "Cannot load Url \"" + url + "\"");
}

// A run that opens only local or unusable names never loads the URL library.
TEST(CreateStreamRun, LocalNamesLeaveUrlLibraryUnloaded) {
  const std::string self = "CreateStreamRun.LocalNamesLeaveUrlLibraryUnloaded";
  if (!test::RunAsChild(self)) {
    EXPECT_EQ(test::RunThisTestProgram(self), 0);
    return;
  }
  test::TempDir dir;
  std::ofstream(dir.File("run.cfg")) << "x";
  CreateStream(os::WindowsPath(dir.File("run.cfg")), 0, nullptr)->ReadRest();
  EXPECT_THROW(CreateStream("run.cfg", 0, nullptr), Exception);
  EXPECT_FALSE(test::UrlLibraryInProcess());
}

}  // namespace
}  // namespace cd
