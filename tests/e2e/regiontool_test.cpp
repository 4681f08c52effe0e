// The regiontool program as a whole process: a region file listed as text and JSON, the
// regions that hold a point, the rendering as a PNG image, the conversion to object text that
// lists and hits the same, and a damaged file named with the offset where reading stopped.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "support/temp_dir.h"
#include "tool_run.h"

namespace cd::test {
namespace {

namespace fs = std::filesystem;

std::string U16(int v) {
  return std::string{static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF)};
}

// A pool "Map" with a rectangle "Door" (10, 10, 30, 20) and a triangle "Roof".
std::string RegionFileBytes() {
  std::string bytes(46, '\0');
  bytes[8] = 2;
  bytes[34] = 3;
  bytes += "Map";
  bytes +=
      U16(0) + U16(1) + U16(2) + U16(10) + U16(10) + U16(30) + U16(20) + U16(4) + "Door" + U16(0);
  bytes += U16(2) + U16(0) + U16(0) + U16(0) + U16(0) + U16(10) + U16(9) + U16(4) + "Roof" +
           U16(0) + U16(3) + U16(0) + U16(0) + U16(10) + U16(3) + U16(4) + U16(9);
  return bytes;
}

class RegiontoolTest : public ::testing::Test {
 protected:
  RegiontoolTest() { std::ofstream(File(), std::ios::binary) << RegionFileBytes(); }
  fs::path File() const { return dir_.Path() / "map.rgn"; }
  ToolRun Regiontool(const std::string& arguments) {
    return RunTool(CD_REGIONTOOL, arguments, dir_.Path() / "regiontool.log");
  }
  std::string Q(const fs::path& path) const { return "\"" + path.string() + "\""; }
  TempDir dir_;
};

TEST_F(RegiontoolTest, ListsHitsAndConverts) {
  const std::string listing =
      "Map: 2 regions\n"
      "0\tTRectRegion\tDoor\t[10, 10, 30, 20]\tlevel 1\ttab order 2\n"
      "1\tTPolyRegion\tRoof\t[0, 0, 10, 9]\tlevel 0\ttab order 0\tpoints [0, 0], [10, 3], [4, 9]\n";
  EXPECT_EQ(Regiontool("list " + Q(File())).output, listing);
  EXPECT_EQ(Regiontool("list " + Q(File()) + " --json").output,
            "{\"pool\": \"Map\", \"regions\": [{\"index\": 0, \"class\": \"TRectRegion\", "
            "\"name\": \"Door\", \"rect\": [10, 10, 30, 20], \"level\": 1, \"tabOrder\": 2, "
            "\"points\": []}, {\"index\": 1, \"class\": \"TPolyRegion\", \"name\": \"Roof\", "
            "\"rect\": [0, 0, 10, 9], \"level\": 0, \"tabOrder\": 0, \"points\": [[0, 0], [10, "
            "3], [4, 9]]}]}\n");
  EXPECT_EQ(Regiontool("hit " + Q(File()) + " 5 3").output, "1\tRoof\n");
  EXPECT_EQ(Regiontool("hit " + Q(File()) + " 12 12").output, "0\tDoor\n");
  const fs::path text = dir_.Path() / "map.otx";
  ASSERT_EQ(Regiontool("convert " + Q(File()) + " " + Q(text)).status, 0);
  const std::string converted = Regiontool("list " + Q(text)).output;
  EXPECT_EQ(converted.substr(converted.find('\n')), listing.substr(listing.find('\n')));
  EXPECT_EQ(Regiontool("hit " + Q(text) + " 12 12").output, "0\tDoor\n")
      << "regions of object text stand where their rectangles say";
}

// The width and height in a PNG file's header.
std::string PngSize(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::string header(24, '\0');
  in.read(header.data(), 24);
  const auto at = [&](size_t i) {
    return (static_cast<unsigned char>(header[i]) << 8) | static_cast<unsigned char>(header[i + 1]);
  };
  if (header.compare(1, 3, "PNG") != 0) return "not a PNG file";
  return std::to_string(at(18)) + "x" + std::to_string(at(22));
}

TEST_F(RegiontoolTest, RendersToTheRegionsExtentOrTheGivenSize) {
  const fs::path image = dir_.Path() / "map.png";
  ASSERT_EQ(Regiontool("render " + Q(File()) + " " + Q(image)).status, 0);
  EXPECT_EQ(PngSize(image), "40x30") << "the farthest edges (30, 20) and a margin of 10";
  ASSERT_EQ(Regiontool("render " + Q(File()) + " " + Q(image) + " --size 64x8").status, 0);
  EXPECT_EQ(PngSize(image), "64x8");
}

TEST_F(RegiontoolTest, FailuresNameTheFileAndTheCause) {
  std::ofstream(dir_.Path() / "cut.rgn", std::ios::binary) << RegionFileBytes().substr(0, 60);
  const struct {
    std::string arguments;
    std::string output;
  } cases[] = {
      {"list " + Q(dir_.Path() / "cut.rgn"), "regiontool: " + (dir_.Path() / "cut.rgn").string() +
                                                 ": damaged at offset 60: Stream read error\n"},
      {"list none.rgn", "regiontool: none.rgn: file not found\n"},
      {"hit " + Q(File()) + " x 1", "regiontool: \"x\" is not a coordinate\n"},
      {"render " + Q(File()) + " a.png --size 9000x10",
       "regiontool: \"9000x10\" is not a size WxH (each side from 1 to 8192)\n"},
      {"render " + Q(File()) + " a.png --size 10",
       "regiontool: \"10\" is not a size WxH (each "
       "side from 1 to 8192)\n"},
      {"draw " + Q(File()), "regiontool: unknown command \"draw\" (see regiontool --help)\n"},
  };
  for (const auto& c : cases) {
    const ToolRun run = Regiontool(c.arguments);
    EXPECT_EQ(run.status, 1) << c.arguments;
    EXPECT_EQ(run.output, c.output) << c.arguments;
  }
}

}  // namespace
}  // namespace cd::test
