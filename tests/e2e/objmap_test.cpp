// The objmap program as a whole process: its usage and failures, the plain text mode, and its
// page in headless Chromium, where the title bars and borders of the first two levels must
// show in their colours, the nested box indented.
#include <gtest/gtest.h>
#include <png.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/temp_dir.h"
#include "tool_run.h"

namespace cd::test {
namespace {

namespace fs = std::filesystem;

const char kMap[] =
    "object Course: TOMFrame\n"
    "  Descr = 'Course'\n"
    "  Rows = <\n"
    "    item\n"
    "      RowItems = <\n"
    "        item\n"
    "          Descr = 'Title'\n"
    "          Value = 'German'\n"
    "        end\n"
    "        item\n"
    "          Descr = 'Language'\n"
    "          Value = 'DE'\n"
    "        end>\n"
    "    end>\n"
    "  object Lesson: TOMFrame\n"
    "    Descr = 'Lesson 1'\n"
    "    Rows = <\n"
    "      item\n"
    "        RowItems = <\n"
    "          item\n"
    "            Descr = 'Pages'\n"
    "            Value = '24'\n"
    "          end>\n"
    "      end>\n"
    "  end\n"
    "end\n";

struct Image {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> rgb;
  uint32_t At(int x, int y) const {
    const unsigned char* p = &rgb[(static_cast<size_t>(y) * width + x) * 3];
    return (uint32_t{p[0]} << 16) | (uint32_t{p[1]} << 8) | p[2];
  }
};

Image ReadPng(const fs::path& file) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, file.string().c_str())) return {};
  image.format = PNG_FORMAT_RGB;
  Image result;
  result.width = static_cast<int>(image.width);
  result.height = static_cast<int>(image.height);
  result.rgb.resize(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, result.rgb.data(), 0, nullptr)) return {};
  return result;
}

class ObjmapTest : public ::testing::Test {
 protected:
  ObjmapTest() { std::ofstream(Map(), std::ios::binary) << kMap; }
  fs::path Map() const { return dir_.Path() / "map.otx"; }
  ToolRun Objmap(const std::string& arguments) {
    return RunTool(CD_OBJMAP, arguments, dir_.Path() / "objmap.log");
  }
  TempDir dir_;
};

TEST_F(ObjmapTest, UsageAndFailuresNameTheCause) {
  const struct {
    std::string arguments;
    int status;
    std::string output;
  } cases[] = {
      {"--help", 0, "Usage: objmap [--mode 0|1|2] [--set 1-5] [--page] FILE\n"},
      {"", 1, "objmap: no FILE given (see objmap --help)\n"},
      {"--mode 7 x", 1, "objmap: --mode needs a number from 0 to 2, not \"7\"\n"},
      {"--set", 1, "objmap: --set needs a number from 1 to 5\n"},
      {"--wide x", 1, "objmap: unknown option \"--wide\" (see objmap --help)\n"},
      {"none.otx", 1, "objmap: none.otx: file not found\n"},
  };
  for (const auto& c : cases) {
    const ToolRun run = Objmap(c.arguments);
    EXPECT_EQ(run.status, c.status) << c.arguments;
    EXPECT_EQ(run.output.substr(0, c.output.size()), c.output) << c.arguments;
  }
}

TEST_F(ObjmapTest, PlainTextGivesTheValuesParentFirst) {
  const ToolRun run = Objmap("--mode 2 \"" + Map().string() + "\"");
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_EQ(run.output, "German DE 24 ");
}

TEST_F(ObjmapTest, ThePageShowsTheFirstTwoLevelsInTheirColours) {
  ASSERT_TRUE(fs::exists("/usr/bin/chromium")) << "scripts/setup installs chromium";
  const fs::path page = dir_.Path() / "page.html";
  const fs::path shot = dir_.Path() / "shot.png";
  ASSERT_EQ(Objmap("--page \"" + Map().string() + "\"").status, 0);
  fs::rename(dir_.Path() / "objmap.log", page);
  const ToolRun browser =
      RunTool("/usr/bin/chromium",
              "--headless --no-sandbox --disable-gpu --disable-quic --no-first-run "
              "--disable-background-networking --disable-component-update --disable-sync "
              "--hide-scrollbars --user-data-dir=\"" +
                  (dir_.Path() / "profile").string() + "\" --window-size=640,240 --screenshot=\"" +
                  shot.string() + "\" \"file://" + page.string() + "\"",
              dir_.Path() / "chromium.log");
  ASSERT_EQ(browser.status, 0) << browser.output;
  const Image image = ReadPng(shot);
  ASSERT_EQ(image.width, 640);
  constexpr uint32_t kRed = 0xFF0000;
  constexpr uint32_t kNavy = 0x000080;
  // The top box starts at the page margin: its left border and its title bar are red.
  EXPECT_EQ(image.At(8, 12), kRed);
  EXPECT_EQ(image.At(300, 12), kRed);
  // The nested box's title bar is the first navy row below, its box indented by 20 pixels
  // inside the red border, which runs on beside it.
  int navyRow = -1;
  for (int y = 30; y < image.height && navyRow < 0; ++y)
    if (image.At(300, y) == kNavy) navyRow = y;
  ASSERT_GT(navyRow, 0);
  int navyLeft = -1;
  for (int x = 0; x < image.width && navyLeft < 0; ++x)
    if (image.At(x, navyRow + 2) == kNavy) navyLeft = x;
  EXPECT_GE(navyLeft, 28);
  EXPECT_LE(navyLeft, 34);
  EXPECT_EQ(image.At(8, navyRow + 2), kRed);
  EXPECT_EQ(image.At(navyLeft - 10, navyRow + 2), 0xFFFFFFu);
}

}  // namespace
}  // namespace cd::test
