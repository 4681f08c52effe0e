// Loading web documents from a real HTTP server on 127.0.0.1: reading, downloading into the
// cache with progress, and the failures of a missing document or a refused connection.
#include "util/url_loader.h"

#include <gtest/gtest.h>

#include <fstream>
#include <vector>

#include "base/exceptions.h"
#include "platform/files.h"
#include "support/http_server.h"
#include "support/message_of.h"
#include "support/socket.h"
#include "support/temp_dir.h"
#include "support/url_library_probe.h"

namespace cd {
namespace {

struct Report {
  int64_t progress, progressMax;
  intptr_t userValue;
};

std::string Pattern(size_t size) {
  std::string data(size, '\0');
  for (size_t i = 0; i < size; ++i) data[i] = static_cast<char>((i * 7919 + i / 251) & 0xff);
  return data;
}

void WriteFile(const test::TempDir& dir, const std::string& name, const std::string& data) {
  std::ofstream(dir.File(name), std::ios::binary) << data;
}

std::string ReadAll(os::UrlStream& stream) {
  std::string out;
  char buffer[7000];
  for (int64_t n; (n = stream.Read(buffer, sizeof buffer)) > 0;) out.append(buffer, n);
  return out;
}

using test::MessageOf;

class UrlLoaderTest : public ::testing::Test {
 protected:
  test::TempDir root_;
  test::HttpServer server_{root_.Path()};
  std::vector<Report> reports_;
  TLoadProgressEvent recorder_ = [this](int64_t p, int64_t m, intptr_t v) {
    reports_.push_back({p, m, v});
  };

  // Every report carries the value, progress never falls back, and the last one says the whole
  // document (size bytes) is there.
  void ExpectProgressUpTo(int64_t size, intptr_t userValue) {
    ASSERT_FALSE(reports_.empty());
    EXPECT_LT(reports_.front().progress, size);
    int64_t last = 0;
    for (const auto& r : reports_) {
      EXPECT_EQ(r.userValue, userValue);
      EXPECT_GE(r.progress, last);
      last = r.progress;
    }
    EXPECT_EQ(reports_.back().progress, size);
    EXPECT_EQ(reports_.back().progressMax, size);
  }
};

TEST_F(UrlLoaderTest, ReadsWholeDocumentAsSeekableStream) {
  const std::string data = Pattern(300000);
  WriteFile(root_, "run.cfg", data);
  auto stream = OpenUrlStream(server_.Url("run.cfg"), 0, nullptr);
  EXPECT_EQ(stream->Size(), static_cast<int64_t>(data.size()));
  EXPECT_EQ(ReadAll(*stream), data);
  EXPECT_EQ(stream->Seek(1000, 0), 1000);
  char four[4];
  ASSERT_EQ(stream->Read(four, 4), 4);
  EXPECT_EQ(std::string(four, 4), data.substr(1000, 4));
  EXPECT_TRUE(test::UrlLibraryInProcess());  // the probe of the start-up test does see it
}

TEST_F(UrlLoaderTest, EmptyDocumentIsAnEmptyStream) {
  WriteFile(root_, "empty.txt", "");
  auto stream = OpenUrlStream(server_.Url("empty.txt"), 0, nullptr);
  EXPECT_EQ(stream->Size(), 0);
  EXPECT_EQ(ReadAll(*stream), "");
}

TEST_F(UrlLoaderTest, OpenReportsProgressWithCallersValue) {
  const std::string data = Pattern(2 * 1024 * 1024);
  WriteFile(root_, "big.dat", data);
  auto stream = OpenUrlStream(server_.Url("big.dat"), 4711, recorder_);
  ExpectProgressUpTo(static_cast<int64_t>(data.size()), 4711);
  EXPECT_EQ(ReadAll(*stream), data);
}

TEST_F(UrlLoaderTest, DownloadsIntoCacheWithProgress) {
  const std::string data = Pattern(3 * 1024 * 1024 + 17);
  WriteFile(root_, "setup.ex_", data);
  const std::string name = DownloadUrlToCache(server_.Url("setup.ex_"), -5, recorder_);
  EXPECT_LE(name.size(), 255u);
  EXPECT_EQ(name[1], ':') << name;  // a Windows drive path
  EXPECT_EQ(os::ReadWholeFile(name), data);
  ExpectProgressUpTo(static_cast<int64_t>(data.size()), -5);
}

TEST_F(UrlLoaderTest, DownloadAgainGivesFreshCopy) {
  WriteFile(root_, "a.txt", "first");
  DownloadUrlToCache(server_.Url("a.txt"), 0, nullptr);
  WriteFile(root_, "a.txt", "second version");
  const std::string name = DownloadUrlToCache(server_.Url("a.txt"), 0, nullptr);
  EXPECT_EQ(os::ReadWholeFile(name), "second version");
}

TEST_F(UrlLoaderTest, MissingDocumentFailsNamingTheAddressOnce) {
  const std::string url = server_.Url("missing.cfg");
  const std::string expected = "Cannot load Url \"" + url + "\"";
  EXPECT_EQ(MessageOf([&] { OpenUrlStream(url, 0, nullptr); }), expected);
  EXPECT_EQ(MessageOf([&] { DownloadUrlToCache(url, 0, recorder_); }), expected);
}

TEST_F(UrlLoaderTest, RefusedConnectionFails) {
  const std::string url = "http://127.0.0.1:" + std::to_string(test::UnusedPort()) + "/run.cfg";
  const std::string expected = "Cannot load Url \"" + url + "\"";
  EXPECT_EQ(MessageOf([&] { OpenUrlStream(url, 0, recorder_); }), expected);
  EXPECT_EQ(MessageOf([&] { DownloadUrlToCache(url, 0, nullptr); }), expected);
}

TEST_F(UrlLoaderTest, HandlerExceptionStopsLoadAndPassesOn) {
  WriteFile(root_, "big.dat", Pattern(4 * 1024 * 1024));
  const TLoadProgressEvent cancel = [](int64_t, int64_t, intptr_t) { throw EAbort(); };
  EXPECT_THROW(OpenUrlStream(server_.Url("big.dat"), 0, cancel), EAbort);
  EXPECT_THROW(DownloadUrlToCache(server_.Url("big.dat"), 0, cancel), EAbort);
}

// Progress handlers pump messages, so another load may start while one is running.
TEST_F(UrlLoaderTest, LoadStartedFromProgressHandlerWorks) {
  const std::string outer = Pattern(1024 * 1024), inner = "inner document";
  WriteFile(root_, "outer.dat", outer);
  WriteFile(root_, "inner.txt", inner);
  std::string nested;
  const TLoadProgressEvent nest = [&](int64_t, int64_t, intptr_t) {
    if (nested.empty()) nested = ReadAll(*OpenUrlStream(server_.Url("inner.txt"), 0, nullptr));
  };
  EXPECT_EQ(os::ReadWholeFile(DownloadUrlToCache(server_.Url("outer.dat"), 0, nest)), outer);
  EXPECT_EQ(nested, inner);
}

TEST(UrlLibrary, ProgramStartDoesNotLoadIt) {
  if (test::RunAsChild("UrlLibrary.ProgramStartDoesNotLoadIt")) {
    EXPECT_FALSE(test::UrlLibraryInProcess());
    return;
  }
  EXPECT_EQ(test::RunThisTestProgram("UrlLibrary.ProgramStartDoesNotLoadIt"), 0);
}

}  // namespace
}  // namespace cd
