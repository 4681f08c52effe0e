// Copying a stream into an open file: from the stream's position, in the sizes asked, with
// the progress of the stream reported and packed files unpacked on the way.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/files.h"
#include "streams/file_stream.h"
#include "streams/memory_stream.h"
#include "streams/packed_stream.h"
#include "streams/progress_stream.h"
#include "streams/virt_stream.h"
#include "support/temp_dir.h"
#include "unit/streams/dcl_support.h"

namespace cd::test {
namespace {

// Copies the stream into a new file in pieces of the given size; returns the pieces' sizes.
std::vector<int64_t> CopyInPieces(TStream& stream, const std::string& target, int64_t piece) {
  auto file = os::OpenFile(target, os::OpenMode::Create, os::ShareMode::Exclusive);
  std::vector<int64_t> pieces;
  for (;;) {
    const int64_t n = stream.CopyInto(*file, piece);
    pieces.push_back(n);
    if (n < piece) return pieces;
  }
}

std::string Numbered(size_t size) {
  std::string data(size, '\0');
  for (size_t i = 0; i < size; ++i) data[i] = static_cast<char>(i % 251);
  return data;
}

TEST(CopyInto, EachKindOfStreamCopiesFromItsPosition) {
  TempDir dir;
  const std::string data = Numbered(150000);
  os::WriteWholeFile(dir.File("source.bin"), data);

  TMemoryStream memory(data);
  memory.SetPosition(1000);
  EXPECT_EQ(CopyInPieces(memory, dir.File("memory.bin"), 61440),
            (std::vector<int64_t>{61440, 61440, 26120}));
  EXPECT_EQ(os::ReadWholeFile(dir.File("memory.bin")), data.substr(1000));
  EXPECT_EQ(memory.Position(), 150000);

  TFileStream file(dir.File("source.bin"), os::OpenMode::Read, os::ShareMode::DenyWrite);
  file.SetPosition(100);
  EXPECT_EQ(CopyInPieces(file, dir.File("file.bin"), 100000),
            (std::vector<int64_t>{100000, 49900}));
  EXPECT_EQ(os::ReadWholeFile(dir.File("file.bin")), data.substr(100));
  EXPECT_EQ(file.Position(), 150000);
  EXPECT_EQ(file.Size(), 150000);

  TMemoryStream empty;
  EXPECT_EQ(CopyInPieces(empty, dir.File("empty.bin"), 61440), std::vector<int64_t>{0});
  EXPECT_EQ(os::ReadWholeFile(dir.File("empty.bin")), "");
}

TEST(CopyInto, ProgressIsReportedAfterEachPiece) {
  TempDir dir;
  os::WriteWholeFile(dir.File("source.bin"), Numbered(150000));
  std::vector<std::pair<int64_t, int64_t>> reports;
  auto stream = TProgressStream::CreateFromFile(dir.File("source.bin"), nullptr,
                                                [&](int64_t code, int64_t size, TSetupTotals*) {
                                                  reports.emplace_back(code, size);
                                                  return true;
                                                });
  CopyInPieces(*stream, dir.File("copy.bin"), 61440);
  EXPECT_EQ(reports, (std::vector<std::pair<int64_t, int64_t>>{
                         {61440, 150000}, {122880, 150000}, {150000, 150000}}));
  EXPECT_EQ(os::ReadWholeFile(dir.File("copy.bin")), Numbered(150000));
}

TEST(CopyInto, APackedFileIsCopiedUnpackedAndAPlainOneAsItIs) {
  TempDir dir;
  const std::string plain = SampleText(90000);
  TMemoryStream source(plain), packed;
  PackStream(source, packed);
  os::WriteWholeFile(dir.File("packed.bin"), packed.Data());
  os::WriteWholeFile(dir.File("plain.bin"), plain);
  for (const char* name : {"packed.bin", "plain.bin"}) {
    auto stream = OpenVirtualFile(dir.File(name));
    CopyInPieces(*stream, dir.File("copy.bin"), 61440);
    EXPECT_EQ(os::ReadWholeFile(dir.File("copy.bin")), plain) << name;
  }
}

}  // namespace
}  // namespace cd::test
