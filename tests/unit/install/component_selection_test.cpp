// Component selection during the preparation, and the outline's names in the build check.
#include <gtest/gtest.h>

#include "base/exceptions.h"
#include "config/string_list.h"
#include "engine_fixture.h"
#include "install/datum_value.h"
#include "install/file_group.h"
#include "install/hooks.h"
#include "install/log_event.h"
#include "outline/file_list_carrier.h"
#include "outline/my_node.h"
#include "outline/object_outline.h"
#include "support/hook_guard.h"
#include "support/message_of.h"

namespace cd::test {
namespace {

// An outline whose components name fixed file lists.
class FixedOutline : public TObjectOutline {
 public:
  FixedOutline(TComponent* owner, std::vector<std::string> files)
      : TObjectOutline(owner), files_(std::move(files)) {}
  void CollectFileLists(TStringList& names) const override {
    for (const auto& f : files_) names.Add(f);
  }

 private:
  std::vector<std::string> files_;
};

class SelectionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* path : {"VokMnger\\Bookcard\\bookcard.grp", "a.txt", "b.txt", "c.txt"}) {
      auto* item = new TDatumValue(manager_.get(), path);
      item->SetInstalTarget("Disk");
    }
  }
  std::vector<std::string> Paths() const {
    std::vector<std::string> paths;
    for (int i = 0; i < manager_->ChildCount(); ++i)
      if (auto* item = dynamic_cast<TFileItem*>(manager_->Child(i))) paths.push_back(item->Path());
    return paths;
  }

  EngineFixture fx_;
  std::unique_ptr<TFilesManager> manager_ = fx_.NewFilesManager();
};

TEST_F(SelectionTest, WithoutAHookOnlyTheCardGroupSurvives) {
  new FixedOutline(manager_.get(), {"a.txt"});
  manager_->PrepareUpdate(nullptr);
  EXPECT_EQ(Paths(), std::vector<std::string>{"VokMnger\\Bookcard\\bookcard.grp"});
  EXPECT_EQ(manager_->ChildCount(), 1);  // the outline is gone too
}

TEST_F(SelectionTest, ChosenComponentsKeepTheirFiles) {
  new FixedOutline(manager_.get(), {});
  HookGuard select(OnSelectComponents(), [](TObjectOutline&, TStringList& names) {
    names.Add("C.TXT");
    names.Add("a.txt");
  });
  std::vector<std::string> notSelected;
  HookGuard log(OnLogEvent(), [&](const TLogEvent& event) {
    if (event.Value("reason") == "not selected: no chosen component names it")
      notSelected.push_back(event.Value("item") + (event.Value("needed") == "false" ? "" : "!"));
  });
  manager_->PrepareUpdate(nullptr);
  EXPECT_EQ(Paths(), (std::vector<std::string>{"VokMnger\\Bookcard\\bookcard.grp", "a.txt", "c.txt"}));
  EXPECT_EQ(notSelected, std::vector<std::string>{"b.txt"});
}

TEST_F(SelectionTest, NoOutlineKeepsEverything) {
  manager_->PrepareUpdate(nullptr);
  EXPECT_EQ(Paths().size(), 4u);
}

// A selection node naming the files of its component.
class TFilesNode : public TMyNode, public IFileListCarrier {
 public:
  explicit TFilesNode(std::vector<std::string> files) : TMyNode(nullptr) {
    for (const auto& f : files) files_.Add(f);
  }
  const TStringList& FileList() const override { return files_; }

 private:
  TStringList files_;
};

// The outline gives the names of its selection nodes at every level, and only theirs.
TEST(SelectionCheck, BuildCheckFindsNamesNoItemHas) {
  TFilesManager manager(nullptr);
  new TFileItem(&manager, "a.txt");
  auto* outline = new TObjectOutline(&manager);
  TOutlineNode& top = outline->RootNode().AddChild(std::make_unique<TMyNode>(nullptr));
  top.AddChild(std::make_unique<TFilesNode>(std::vector<std::string>{"a.txt"}));
  EXPECT_NO_THROW(manager.CheckConsistence());
  top.Child(0).AddChild(std::make_unique<TFilesNode>(std::vector<std::string>{"missing.txt"}));
  EXPECT_EQ(MessageOf([&] { manager.CheckConsistence(); }),  // collapsed nodes count too
            "TFilesManager.CheckList: Item \"missing.txt\" does not exist");
}

}  // namespace
}  // namespace cd::test
