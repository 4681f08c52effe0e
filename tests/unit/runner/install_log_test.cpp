// The install log: both line forms with texts that need care, lines on disk as they are
// written, and a log that cannot be written, which the run outlives.
#include "runner/install_log.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>

#include "support/host_files.h"
#include "support/temp_dir.h"

namespace cd {
namespace {

TLogEvent Decision() {
  return TLogEvent("decision")
      .Str("item", "Courses\\l.txt")
      .Str("reason", "say \"hi\"\nbye")
      .Bool("needed", true)
      .Int("bytes", -5);
}

TEST(InstallLogTest, TextAndJsonLines) {
  EXPECT_EQ(TInstallLog::TextLine("T", Decision()),
            "T decision item=\"Courses\\l.txt\" reason=\"say \"\"hi\"\"\\nbye\" needed=true "
            "bytes=-5");
  EXPECT_EQ(TInstallLog::JsonLine("T", Decision()),
            "{\"time\":\"T\",\"event\":\"decision\",\"item\":\"Courses\\\\l.txt\","
            "\"reason\":\"say \\\"hi\\\"\\nbye\",\"needed\":true,\"bytes\":-5}");
  EXPECT_EQ(TInstallLog::JsonLine("T", TLogEvent("x").Str("c", "\x01")),
            "{\"time\":\"T\",\"event\":\"x\",\"c\":\"\\u0001\"}");
#ifndef _WIN32
  // The program's windows-1250 texts are UTF-8 in JSON (on Windows the system's code page).
  EXPECT_EQ(TInstallLog::JsonLine("T", TLogEvent("x").Str("c", "\xE8")),
            "{\"time\":\"T\",\"event\":\"x\",\"c\":\"\xC4\x8D\"}");
#endif
  EXPECT_TRUE(std::regex_match(TInstallLog::LocalTimeNow(),
                               std::regex(R"(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{3})")));
}

TEST(InstallLogTest, EveryLineIsOnDiskOnceWritten) {
  test::TempDir dir;
  TInstallLog log(dir.File("run.log"), TLogFormat::Json);
  log.Write(TLogEvent("start"));
  EXPECT_NE(test::ReadHost(dir.File("run.log")).find("\"event\":\"start\"}\n"), std::string::npos);
  log.Write(TLogEvent("end"));
  const std::string text = test::ReadHost(dir.File("run.log"));
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 2);
}

TEST(InstallLogTest, ALogThatCannotBeOpenedIsReportedOnceAndTheRunGoesOn) {
  test::TempDir dir;
  ::testing::internal::CaptureStderr();
  {
    TInstallLog log(dir.File("no-such-folder/run.log"), TLogFormat::Text);
    log.Write(TLogEvent("start"));
    log.Write(TLogEvent("end"));
  }
  const std::string said = ::testing::internal::GetCapturedStderr();
  EXPECT_NE(said.find("The install log \"" + dir.File("no-such-folder/run.log") +
                      "\" cannot be opened: "),
            std::string::npos)
      << said;
  EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1);
}

}  // namespace
}  // namespace cd
