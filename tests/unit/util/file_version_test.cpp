#include "util/file_version.h"

#include <gtest/gtest.h>

#include <vector>

#include "base/exceptions.h"
#include "platform/files.h"
#include "platform/pe_version.h"
#include "support/message_of.h"
#include "support/pe_builder.h"
#include "support/temp_dir.h"
#include "util/whole_file.h"

namespace cd {
namespace {

using test::BuildPeImage;
using test::MakeVersion;
using test::PeOptions;

std::string FailureOf(const std::string& fileName) {
  return test::MessageOf([&] { GetFileVersion(fileName); });
}

std::string Expected(const std::string& fileName, int step) {
  return "LowUtils.GetFileVersion: File " + fileName + " does not have file version info (" +
         std::to_string(step) + ")";
}

class FileVersion : public testing::Test {
 protected:
  std::string Write(const std::string& name, const PeOptions& options) {
    const std::string path = dir_.File(name);
    StringToFile(BuildPeImage(options), path);
    return path;
  }
  test::TempDir dir_;
};

TEST_F(FileVersion, ReadsTheFixedFileVersionOfPe32AndPe32Plus) {
  for (bool plus : {true, false}) {
    PeOptions o;
    o.pe32Plus = plus;
    o.fileVersion = MakeVersion(5, 1, 2600, 0);
    o.productVersion = MakeVersion(9, 9, 9, 9);
    o.fileVersionText = "5.1.2600.0";
    const uint64_t expected = 5ull << 48 | 1ull << 32 | 2600ull << 16;
    EXPECT_EQ(GetFileVersion(Write(plus ? "v64.dll" : "v32.dll", o)), expected);
  }
}

TEST_F(FileVersion, KeepsAllSixtyFourBitsUnsigned) {
  PeOptions o;
  o.fileVersion = MakeVersion(0xFFFF, 0xFFFE, 0x8000, 0xFFFF);
  EXPECT_EQ(GetFileVersion(Write("max.dll", o)), 0xFFFFFFFE8000FFFFull);
}

TEST_F(FileVersion, MissingVersionInformationIsFailureOne) {
  const std::string text = dir_.File("readme.txt");
  StringToFile("not a program", text);
  EXPECT_EQ(FailureOf(text), Expected(text, 1));
  const std::string missing = dir_.File("missing.dll");
  EXPECT_EQ(FailureOf(missing), Expected(missing, 1));
  const std::string plain = Write("plain.dll", PeOptions{});
  EXPECT_EQ(FailureOf(plain), Expected(plain, 1));
}

TEST_F(FileVersion, MissingFixedPartIsFailureThree) {
  PeOptions o;
  o.fileVersion = 1;
  o.fixedPart = false;
  o.fileVersionText = "1.0";
  const std::string path = Write("nofixed.dll", o);
  EXPECT_EQ(FailureOf(path), Expected(path, 3));
}

// The portable reader, read through the file API, against GetFileVersion (version.dll on
// Windows): both must see the same version, or no version, in the same files.
TEST_F(FileVersion, ThePortableReaderAgreesWithGetFileVersion) {
  std::vector<PeOptions> variants(6);
  variants[0].fileVersion = MakeVersion(1, 2, 3, 4);
  variants[1].fileVersion = MakeVersion(7, 0, 0, 1);
  variants[1].pe32Plus = false;
  variants[2].fileVersion = MakeVersion(2, 0, 0, 0);
  variants[2].language = 0x405;
  variants[2].fileVersionText = "2.0.0.0";
  variants[3].fileVersion = MakeVersion(3, 0, 0, 0);
  variants[3].resourceName = 2;
  variants[4].fileVersion = MakeVersion(4, 0, 0, 0);
  variants[4].language = 0;
  for (size_t i = 0; i < variants.size(); ++i) {
    const std::string path = Write("variant" + std::to_string(i) + ".dll", variants[i]);
    const auto file = os::OpenFile(path, os::OpenMode::Read, os::ShareMode::DenyNone);
    pe::FileImage image(*file);
    const auto block = pe::ReadVersionResource(image);
    const auto fixed = block ? pe::ParseFixedFileInfo(*block) : std::nullopt;
    if (fixed) {
      EXPECT_EQ(GetFileVersion(path), uint64_t{fixed->fileVersionMS} << 32 | fixed->fileVersionLS)
          << i;
    } else {
      EXPECT_THROW(GetFileVersion(path), Exception) << i;
    }
  }
}

#ifdef CD_VERSIONED_DLL
// A DLL linked by the MinGW tools from a resource script (FILEVERSION 5,1,2600,7).
TEST_F(FileVersion, ReadsADllMadeByTheResourceCompiler) {
  std::string path = CD_VERSIONED_DLL;
#ifdef _WIN32
  if (path.front() == '/') path = "Z:" + path;  // the build folder as Wine sees it
#endif
  EXPECT_EQ(GetFileVersion(path), MakeVersion(5, 1, 2600, 7));
}
#endif

}  // namespace
}  // namespace cd
