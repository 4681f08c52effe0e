// TProgressStream: one report per 2000 bytes read, the callback's arguments, file opening,
// copies.
#include "streams/progress_stream.h"

#include <gtest/gtest.h>

#include <memory>
#include <type_traits>
#include <utility>
#include <vector>

#include "base/exceptions.h"
#include "install/setup_callback.h"
#include "platform/files.h"
#include "streams/memory_stream.h"
#include "support/temp_dir.h"

namespace cd::test {
namespace {

static_assert(std::is_same_v<TReadProgressProc, TProgressProc>,
              "the setup callback's progress procedure must fit the progress stream");

struct TRecorder {
  std::vector<std::pair<int64_t, int64_t>> reports;
  TSetupTotals* seenTotals = nullptr;
  TReadProgressProc Proc() {
    return [this](int64_t code, int64_t size, TSetupTotals* totals) {
      reports.emplace_back(code, size);
      seenTotals = totals;
      return true;
    };
  }
};

TEST(ProgressStream, ReportsOnceEvery2000BytesRead) {
  TMemoryStream inner(std::string(10000, 'x'));
  TSetupTotals totals;
  TRecorder rec;
  TProgressStream p(inner, &totals, rec.Proc());
  char buffer[2000];
  EXPECT_EQ(p.Read(buffer, 1999), 1999);
  EXPECT_TRUE(rec.reports.empty());
  EXPECT_EQ(p.Read(buffer, 1), 1);
  ASSERT_EQ(rec.reports.size(), 1u);
  EXPECT_EQ(rec.reports[0], std::make_pair(int64_t{2000}, int64_t{10000}));
  EXPECT_EQ(rec.seenTotals, &totals);

  while (p.Read(buffer, 700) > 0) {
  }
  ASSERT_EQ(rec.reports.size(), 4u);
  EXPECT_EQ(rec.reports[1].first, 4100);
  EXPECT_EQ(rec.reports[3].first, 8300);
}

TEST(ProgressStream, SeekingBackReportsOnlyPastTheLastReportPlus2000) {
  TMemoryStream inner(std::string(10000, 'x'));
  TRecorder rec;
  TProgressStream p(inner, nullptr, rec.Proc());
  char buffer[5000];
  p.Read(buffer, 3000);
  p.SetPosition(0);
  p.Read(buffer, 4999);
  EXPECT_EQ(rec.reports.size(), 1u);
  p.Read(buffer, 1);
  ASSERT_EQ(rec.reports.size(), 2u);
  EXPECT_EQ(rec.reports[1].first, 5000);
}

TEST(ProgressStream, WithoutCallbackBehavesAsTheInnerStream) {
  TMemoryStream inner("abcdef");
  TProgressStream p(inner, nullptr, nullptr);
  EXPECT_EQ(p.ReadRest(), "abcdef");
  EXPECT_EQ(p.Seek(-2, TSeekOrigin::soEnd), 4);
  EXPECT_EQ(p.Write("XY", 2), 2);
  EXPECT_EQ(inner.Data(), "abcdXY");
}

// A file "data.bin" of size bytes 'd' in dir, opened through a progress stream.
std::unique_ptr<TProgressStream> OpenFileOf(const TempDir& dir, size_t size, TRecorder& rec) {
  os::WriteWholeFile(dir.File("data.bin"), std::string(size, 'd'));
  return TProgressStream::CreateFromFile(dir.File("data.bin"), nullptr, rec.Proc());
}

TEST(ProgressStream, CreateFromFileOwnsTheFileAndSharesIt) {
  TempDir dir;
  TRecorder rec;
  auto p = OpenFileOf(dir, 4500, rec);
  EXPECT_EQ(os::ReadWholeFile(dir.File("data.bin")).size(), 4500u);  // others may read meanwhile
  EXPECT_EQ(p->ReadRest().size(), 4500u);
  ASSERT_FALSE(rec.reports.empty());
  EXPECT_EQ(rec.reports[0].second, 4500);
  EXPECT_THROW(TProgressStream::CreateFromFile(dir.File("none"), nullptr, nullptr), Exception);
}

// Copies in blocks end with the last short block, and take what the file held when opened.
TEST(ProgressStream, CopiesTheFileAsOpenedInBlocks) {
  TempDir dir;
  TRecorder rec;
  auto p = OpenFileOf(dir, 5000, rec);
  {
    auto other = os::OpenFile(dir.File("data.bin"), os::OpenMode::Write, os::ShareMode::DenyNone);
    other->Seek(0, 2);
    other->Write("grown", 5);
  }
  auto target = os::OpenFile(dir.File("copy.bin"), os::OpenMode::Create, os::ShareMode::Exclusive);
  EXPECT_EQ(p->CopyInto(*target, 3000), 3000);
  EXPECT_EQ(p->CopyInto(*target, 3000), 2000);
  EXPECT_EQ(p->CopyInto(*target, 3000), 0);
  target.reset();
  EXPECT_EQ(os::ReadWholeFile(dir.File("copy.bin")), std::string(5000, 'd'));
  ASSERT_EQ(rec.reports.size(), 2u);
  EXPECT_EQ(rec.reports[1], std::make_pair(int64_t{5000}, int64_t{5000}));
}

// A sparse file of 3 GiB: positions and the size are reported past 2 GB without wrapping.
TEST(ProgressStream, ReportsPositionsPastTwoGigabytes) {
  constexpr int64_t kSize = int64_t{3} << 30;
  TempDir dir;
  {
    auto file =
        os::OpenFile(dir.File("sparse.bin"), os::OpenMode::Create, os::ShareMode::Exclusive);
    file->Seek(kSize - 1, 0);
    file->Write("x", 1);
  }
  TRecorder rec;
  auto stream = TProgressStream::CreateFromFile(dir.File("sparse.bin"), nullptr, rec.Proc());
  stream->Seek(-4000, TSeekOrigin::soEnd);
  char buffer[4000];
  EXPECT_EQ(stream->Read(buffer, sizeof buffer), 4000);
  ASSERT_EQ(rec.reports.size(), 1u);
  EXPECT_EQ(rec.reports[0], std::make_pair(kSize, kSize));
}

}  // namespace
}  // namespace cd::test
