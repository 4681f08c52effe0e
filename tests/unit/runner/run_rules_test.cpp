// Where a configuration comes from, when the progress window is shown, titles and names.
#include "runner/run_rules.h"

#include <gtest/gtest.h>

#include "base/exceptions.h"
#include "support/message_of.h"

namespace cd {
namespace {

TEST(RunRulesTest, ClassifiesDrivePathsAndHttpAddresses) {
  EXPECT_EQ(ClassifyConfigName("D:\\cd\\run.cfg"), TConfigSource::Local);
  EXPECT_EQ(ClassifyConfigName("z:run.cfg"), TConfigSource::Local);
  EXPECT_EQ(ClassifyConfigName("http://host/run.cfg"), TConfigSource::Url);
  EXPECT_EQ(ClassifyConfigName("HTTP://HOST/RUN.CFG"), TConfigSource::Url);
  // Secure addresses are read like plain ones.
  EXPECT_EQ(ClassifyConfigName("https://host/run.cfg"), TConfigSource::Url);
  EXPECT_EQ(ClassifyConfigName("HTTPS://HOST/RUN.CFG"), TConfigSource::Url);
  EXPECT_EQ(ClassifyConfigName("\\\\server\\share\\run.cfg"), TConfigSource::Invalid);
  EXPECT_EQ(ClassifyConfigName("run.cfg"), TConfigSource::Invalid);
  EXPECT_EQ(ClassifyConfigName("http:/"), TConfigSource::Invalid);
  EXPECT_EQ(ClassifyConfigName(""), TConfigSource::Invalid);
}

TEST(RunRulesTest, LocalFailsForANameThatIsNeitherPathNorUrl) {
  EXPECT_TRUE(IsLocalConfig("C:\\run.cfg"));
  EXPECT_FALSE(IsLocalConfig("Http://host/run.cfg"));
  EXPECT_EQ(test::MessageOf([] { IsLocalConfig("ftp://host/run.cfg"); }),
            "TRunner.Local: Wrong Url (\"ftp://host/run.cfg\")");
}

TEST(RunRulesTest, WindowThresholdsAreExclusive) {
  EXPECT_FALSE(NeedsProgressWindow(false, true, 0));
  EXPECT_FALSE(NeedsProgressWindow(false, true, 500000));
  EXPECT_TRUE(NeedsProgressWindow(false, true, 500001));
  EXPECT_FALSE(NeedsProgressWindow(false, false, 5000));
  EXPECT_TRUE(NeedsProgressWindow(false, false, 5001));
}

TEST(RunRulesTest, ComponentInstallationAlwaysShowsTheWindow) {
  EXPECT_TRUE(NeedsProgressWindow(true, true, 0));
  EXPECT_TRUE(NeedsProgressWindow(true, false, 0));
}

// The run title is text, never a pattern: its percent signs and directives stay as written.
TEST(RunRulesTest, SetupTitleKeepsFormatDirectivesOfTheRunTitle) {
  EXPECT_EQ(SetupTitle("100% Czech %s %d"), "100% Czech %s %d (Setup)");
}

TEST(RunRulesTest, ConfigNameDefaultsToRunCfgBesideTheProgram) {
  EXPECT_EQ(ResolveConfigName({}, "D:\\cd\\"), "D:\\cd\\run.cfg");
  EXPECT_EQ(ResolveConfigName({"HTTP://host/x.cfg", "ignored"}, "D:\\cd\\"), "HTTP://host/x.cfg");
}

TEST(RunRulesTest, ConfigNameIsCutTo255Characters) {
  const std::string longName = "C:\\" + std::string(300, 'a');
  EXPECT_EQ(ResolveConfigName({longName}, "D:\\"), longName.substr(0, 255));
  const std::string exact = "C:\\" + std::string(252, 'b');
  EXPECT_EQ(ResolveConfigName({exact}, "D:\\"), exact);
  EXPECT_EQ(ResolveConfigName({}, std::string(250, 'c')).size(), 255u);
}

}  // namespace
}  // namespace cd
