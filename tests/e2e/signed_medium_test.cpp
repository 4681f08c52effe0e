// The signed example medium with the standard tools (POSIX): sha256sum -c checks cdbuild's
// SHA256SUMS, openssl dgst -verify checks its signature, a signature made by openssl dgst
// -sign is accepted by cdrun given the public key, and cdrun --version names the built-in key.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "support/temp_dir.h"
#include "support/test_keys.h"
#include "tool_run.h"

namespace cd::test {
namespace {

namespace fs = std::filesystem;

class SignedMediumTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::copy(CD_EXAMPLE_SRC, root_.Path() / "example-src", fs::copy_options::recursive);
    std::ofstream(root_.Path() / "a.pem") << kPrivateKeyA;
    std::ofstream(root_.Path() / "a.pub") << kPublicKeyA;
    std::ofstream(root_.Path() / "b.pem") << kPrivateKeyB;
    const char* previous = std::getenv("CDRUN_ROOT");
    previousRoot_ = previous ? previous : "";
    setenv("CDRUN_ROOT", (root_.Path() / "drives").string().c_str(), 1);
  }
  void TearDown() override { setenv("CDRUN_ROOT", previousRoot_.c_str(), 1); }

  ToolRun Shell(const std::string& command) {
    return RunTool("sh", "-c '" + command + "'",
                   root_.Path() / ("shell" + std::to_string(++runs_) + ".log"));
  }
  ToolRun Build(const std::string& key) {
    return RunTool(CD_CDBUILD,
                   "\"" + (root_.Path() / "example-src/install.otx").string() +
                       "\" --medium 1 --sign \"" + (root_.Path() / key).string() + "\"",
                   root_.Path() / "cdbuild.log");
  }
  ToolRun Cdrun(const std::string& options) {
    const fs::path input = root_.Path() / "answers.txt";
    std::ofstream(input) << "1\n\n" << kChooseAllComponents;
    return RunTool(CD_CDRUN, options + " \"" + (medium_ / "run.cfg").string() + "\"",
                   root_.Path() / ("cdrun" + std::to_string(++runs_) + ".log"), input);
  }

  TempDir root_;
  const fs::path medium_ = root_.Path() / "example-medium";
  std::string previousRoot_;
  int runs_ = 0;
};

TEST_F(SignedMediumTest, StandardToolsCheckWhatCdbuildWroteAndCdrunTakesOpensslSignatures) {
  const ToolRun build = Build("a.pem");
  ASSERT_EQ(build.status, 0) << build.output;
  const std::string medium = medium_.string();
  const ToolRun check = Shell("cd \"" + medium + "\" && sha256sum -c SHA256SUMS");
  EXPECT_EQ(check.status, 0) << check.output;
  EXPECT_NE(check.output.find("run.cfg: OK"), std::string::npos) << check.output;
  EXPECT_NE(check.output.find("prg/Help/help.grp: OK"), std::string::npos) << check.output;
  EXPECT_NE(check.output.find("prg/Viewer/demo_viewer.ex_: OK"), std::string::npos);
  const std::string verify = "openssl dgst -sha256 -verify \"" + (root_.Path() / "a.pub").string() +
                             "\" -signature \"" + medium + "/SHA256SUMS.sig\" \"" + medium +
                             "/SHA256SUMS\"";
  const ToolRun verified = Shell(verify);
  EXPECT_EQ(verified.status, 0) << verified.output;
  EXPECT_NE(verified.output.find("Verified OK"), std::string::npos);

  const std::string key = "--pubkey=\"" + (root_.Path() / "a.pub").string() + "\"";
  ASSERT_EQ(Shell("openssl dgst -sha256 -sign \"" + (root_.Path() / "b.pem").string() +
                  "\" -out \"" + medium + "/SHA256SUMS.sig\" \"" + medium + "/SHA256SUMS\"")
                .status,
            0);
  const ToolRun refused = Cdrun(key);
  EXPECT_EQ(refused.status, 1);
  EXPECT_NE(refused.output.find("was not made with the publisher's key"), std::string::npos)
      << refused.output;
  EXPECT_FALSE(fs::exists(root_.Path() / "drives/drive_c/windows/Vok/Viewer"));

  ASSERT_EQ(Shell("openssl dgst -sha256 -sign \"" + (root_.Path() / "a.pem").string() +
                  "\" -out \"" + medium + "/SHA256SUMS.sig\" \"" + medium + "/SHA256SUMS\"")
                .status,
            0);
  const ToolRun accepted = Cdrun(key);
  EXPECT_EQ(accepted.status, 0) << accepted.output;
  EXPECT_TRUE(fs::exists(root_.Path() / "drives/drive_c/windows/Vok/Viewer/demo_viewer.exe"));

  const ToolRun badKey = Cdrun("--pubkey=\"" + (root_.Path() / "a.pem").string() + "\"");
  EXPECT_EQ(badKey.status, 1);
  EXPECT_NE(badKey.output.find("a.pem\" cannot be used: the text is not a PEM public key"),
            std::string::npos)
      << badKey.output;
}

TEST_F(SignedMediumTest, WrongSigningKeyLeavesNoMediumAndVersionNamesTheKey) {
  const ToolRun build = Build("a.pub");
  EXPECT_EQ(build.status, 1);
  EXPECT_NE(build.output.find("a.pub\" cannot be used"), std::string::npos) << build.output;
  EXPECT_FALSE(fs::exists(medium_));
  const ToolRun version = RunTool(CD_CDRUN, "--version", root_.Path() / "version.log");
  EXPECT_EQ(version.status, 0);
  EXPECT_NE(version.output.find("cdrun 1.0.0\nbuilt-in publisher key: "), std::string::npos)
      << version.output;
}

}  // namespace
}  // namespace cd::test
