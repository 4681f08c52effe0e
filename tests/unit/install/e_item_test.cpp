// Run items: the consistency check over a tree and the walks up to the managing items.
#include "install/e_item.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "install/e_manager.h"
#include "install/file_group.h"
#include "install/files_manager.h"
#include "install/install_manager_link.h"
#include "install/version_value.h"
#include "support/message_of.h"

namespace cd {
namespace {

std::vector<std::string>* gChecked = nullptr;

// Checks its children first, records itself, and fails when asked to.
class CheckedItem : public TEItem {
 public:
  CheckedItem(TComponent* owner, std::string label, bool fails = false)
      : TEItem(owner), label_(label), fails_(fails) {}
  void CheckConsistence() override {
    TEItem::CheckConsistence();
    gChecked->push_back(label_);
    if (fails_) throw Exception(label_ + " is inconsistent");
  }

 private:
  std::string label_;
  bool fails_;
};

class CheckConsistenceTest : public ::testing::Test {
 protected:
  void SetUp() override { gChecked = &checked_; }
  void TearDown() override { gChecked = nullptr; }
  std::vector<std::string> checked_;
};

TEST_F(CheckConsistenceTest, ChildrenFirstInChildOrder) {
  CheckedItem root(nullptr, "root");
  auto* a = new CheckedItem(&root, "a");
  new CheckedItem(a, "a1");
  new TComponent(&root);  // not a run item: not checked
  new CheckedItem(&root, "b");
  root.CheckConsistence();
  EXPECT_EQ(checked_, (std::vector<std::string>{"a1", "a", "b", "root"}));
}

TEST_F(CheckConsistenceTest, DeepestFailureEndsTheCheck) {
  CheckedItem root(nullptr, "root", true);
  auto* parent = new CheckedItem(&root, "parent", true);
  new CheckedItem(parent, "deepest", true);
  new CheckedItem(&root, "sibling");
  EXPECT_EQ(test::MessageOf([&] { root.CheckConsistence(); }), "deepest is inconsistent");
  EXPECT_EQ(checked_, (std::vector<std::string>{"deepest"}));
}

TEST(GetManagerTest, ManagerFindsItselfAndItemsFindTheNearestManager) {
  TFilesManager fm(nullptr);
  auto* group = new TFileGroup(&fm);
  auto* member = new TVersionValue(group);
  EXPECT_EQ(GetManager(&fm), &fm);
  EXPECT_EQ(GetManager(member), &fm);

  TEItem loose(nullptr);
  EXPECT_EQ(GetManager(&loose), nullptr);
  EXPECT_EQ(GetManager(nullptr), nullptr);
}

// An install manager as the run items see it.
class TestInstallManager : public TComponentList, public IInstallManager {
 public:
  TestInstallManager() : TComponentList(nullptr) {}
  TComponentList& AsList() override { return *this; }
  const std::string& SourcePrgPath() const override { return path_; }
  const std::string& DestPrgPath() const override { return path_; }
  void Step() override {}

 private:
  std::string path_;
};

TEST(GetInstallManagerTest, WalksOwnersOnly) {
  TFilesManager loose(nullptr);
  EXPECT_EQ(GetInstallManager(loose), nullptr);

  TestInstallManager im;
  auto* fm = new TFilesManager(&im);
  auto* item = new TFileItem(fm);
  EXPECT_EQ(GetInstallManager(*item), &im);
  EXPECT_EQ(GetInstallManager(*fm), &im);
  // The walk begins with the owner, so the install manager does not find itself.
  EXPECT_EQ(GetInstallManager(im), nullptr);
}

}  // namespace
}  // namespace cd
