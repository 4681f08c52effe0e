// The example run configuration reads into a files manager and writes back to the same bytes.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "config/config_io.h"
#include "install/files_manager.h"
#include "install/install_classes.h"
#include "install/viewer_item.h"

namespace cd {
namespace {

std::string ReadExample(const std::string& name) {
  const char* data = std::getenv("CD_TEST_DATA");  // tests/data of the source tree
  std::string path = std::string(data ? data : "tests/data") + "/../../examples/" + name;
  std::ifstream in(path, std::ios::binary);
  EXPECT_TRUE(in) << "cannot open " << path;
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

TEST(ExampleConfigTest, RunConfigurationReadsAndWritesBackIdentically) {
  RegisterInstallClasses();
  std::string text = ReadExample("run.cfg");
  std::unique_ptr<TComponent> object = StringToObject(text);
  auto* fm = dynamic_cast<TFilesManager*>(object.get());
  ASSERT_NE(fm, nullptr);
  EXPECT_EQ(fm->Viewers().Count(), 2);
  EXPECT_EQ(static_cast<TViewerItem*>(fm->Viewers().Items(1))->DataName(), "Nemcina_A8");
  EXPECT_EQ(fm->RunData().AskPathName(), "DataPath");
  EXPECT_EQ(fm->ChildCount(), 7);
  EXPECT_EQ(ObjectToString(fm), text);
}

}  // namespace
}  // namespace cd
