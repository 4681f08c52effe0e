// The example medium's files pack to the same bytes as when their digests were recorded: a
// change of speed in the encoder or in the stream helpers around it must not change its output.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/sha256.h"
#include "streams/memory_stream.h"
#include "streams/packed_stream.h"

namespace cd::test {
namespace {

std::string ReadExampleFile(const std::string& name) {
  const char* data = std::getenv("CD_TEST_DATA");  // tests/data of the source tree
  const std::string path =
      std::string(data ? data : "tests/data") + "/../../examples/files/" + name;
  std::ifstream in(path, std::ios::binary);
  EXPECT_TRUE(in) << "cannot open " << path;
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

std::string HexDigest(const std::string& bytes) {
  os::Sha256 hasher;
  hasher.Update(bytes.data(), bytes.size());
  std::string hex;
  char pair[3];
  for (uint8_t byte : hasher.Finish()) {
    std::snprintf(pair, sizeof pair, "%02x", byte);
    hex += pair;
  }
  return hex;
}

// Packs data and checks the packed bytes' digest and the way back.
void ExpectPackedDigest(const std::string& what, const std::string& data, const char* digest) {
  TMemoryStream source(data), packed;
  ASSERT_TRUE(PackStream(source, packed)) << what;
  EXPECT_EQ(HexDigest(packed.Data()), digest) << what;
  packed.SetPosition(0);
  TMemoryStream unpacked;
  ASSERT_TRUE(IsPacked(packed)) << what;
  UnpackStream(packed, unpacked);
  EXPECT_EQ(unpacked.Data(), data) << what;
}

TEST(ExamplePacking, TheExampleFilesPackToTheRecordedBytes) {
  const char* const kFiles[] = {"Courses/English/lesson1.txt",
                                "Courses/English/lesson2.txt",
                                "Courses/German/lesson1.txt",
                                "Help/about.txt",
                                "Help/index.txt",
                                "Help/keys.txt"};
  std::string joined;
  for (const char* name : kFiles) joined += ReadExampleFile(name);
  std::string joinedEightTimes;  // 29,456 bytes: several blocks, the window sliding over them
  for (int i = 0; i < 8; ++i) joinedEightTimes += joined;

  ExpectPackedDigest(kFiles[0], ReadExampleFile(kFiles[0]),
                     "8bcfa127117305b2200d3fcd289321b3fe44fa0db9b80dd859626163f4ed1fee");
  ExpectPackedDigest(kFiles[2], ReadExampleFile(kFiles[2]),
                     "97bae710c9a2a99df8574275ee435325700ef04f1d3cd1457873a612979024b7");
  ExpectPackedDigest("all example files, eight times", joinedEightTimes,
                     "019333ed9b0cb5e6ce699ec20e8069d30310e3458be5a395f0f46bee7faddefd");
}

}  // namespace
}  // namespace cd::test
