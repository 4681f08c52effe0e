// The run item tree: lookups by name and class, creation on demand, broadcast order, the
// owner flag and the edit hook.
#include "install/component_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/class_registry.h"
#include "install/e_item.h"
#include "install/e_manager.h"
#include "install/file_item.h"
#include "install/files_manager.h"
#include "install/install_classes.h"
#include "install/version_value.h"
#include "support/hook_guard.h"
#include "support/message_of.h"

namespace cd {
namespace {

TEST(GetObjectTest, FindsByNameWithoutRegardToCase) {
  TEManager root(nullptr);
  auto* files = new TFileItem(&root);
  files->SetName("Files");
  EXPECT_EQ(GetObject(root, "FILES", nullptr), files);
  EXPECT_EQ(GetObject(root, "files", &TFileItem::StaticClass()), files);
  EXPECT_EQ(GetObject(root, "Other", nullptr), nullptr);
}

TEST(GetObjectTest, WithoutNameAndClassFails) {
  TEManager root(nullptr);
  EXPECT_EQ(test::MessageOf([&] { GetObject(root, "", nullptr); }),
            "THtmlFormInstance.GetObject: No info");
}

TEST(GetObjectTest, NamedObjectOfAnotherClassFails) {
  TEManager root(nullptr);
  (new TFileItem(&root))->SetName("Item");
  EXPECT_EQ(test::MessageOf([&] { GetObject(root, "item", &TVersionValue::StaticClass()); }),
            "THtmlFormInstance.GetObject: Wrong object type (\"item\")");
}

TEST(GetObjectTest, WithoutNameReturnsFirstUnnamedOfClassOrDerived) {
  TEManager root(nullptr);
  (new TFileItem(&root))->SetName("Named");
  new TEItem(&root);  // unnamed, but not a file item
  auto* firstUnnamed = new TVersionValue(&root);
  new TFileItem(&root);
  EXPECT_EQ(GetObject(root, "", &TFileItem::StaticClass()), firstUnnamed);
  EXPECT_EQ(GetObject(root, "", &TFilesManager::StaticClass()), nullptr);
}

TEST(GetOrCreateObjectTest, CreatesOnceThenFinds) {
  TComponentList root(nullptr);
  auto* fm = GetOrCreateObjectAs<TFilesManager>(root);
  ASSERT_NE(fm, nullptr);
  EXPECT_EQ(root.ChildCount(), 1);
  EXPECT_EQ(GetOrCreateObjectAs<TFilesManager>(root), fm);
  EXPECT_EQ(root.ChildCount(), 1);
}

TEST(GetOrCreateObjectTest, NamedObjectBecomesLastChild) {
  TComponentList root(nullptr);
  new TEItem(&root);
  TComponent* created = GetOrCreateObject(root, "Lists", TFileItem::StaticClass());
  EXPECT_EQ(created->Name(), "Lists");
  EXPECT_EQ(root.ChildIndex(created), 1);
  EXPECT_TRUE(created->InheritsFrom(TFileItem::StaticClass()));
}

TEST(GetOrCreateObjectTest, InvalidNameLeavesNoChildBehind) {
  TComponentList root(nullptr);
  EXPECT_THROW(GetOrCreateObject(root, "no name", TEItem::StaticClass()), Exception);
  EXPECT_EQ(root.ChildCount(), 0);
}

TEST(ComponentListTest, ChildrenFollowOwnershipInOrder) {
  TComponentList root(nullptr);
  auto* a = new TEItem(&root);
  auto* b = new TEItem(&root);
  auto* c = new TEItem(&root);
  delete b;  // leaves the list at once
  ASSERT_EQ(root.ChildCount(), 2);
  EXPECT_EQ(root.Child(0), a);
  EXPECT_EQ(root.Child(1), c);
  EXPECT_EQ(root.ChildIndex(c), 1);
  EXPECT_EQ(root.ChildIndex(&root), -1);
  EXPECT_EQ(test::MessageOf<EListError>([&] { root.Child(2); }), "List index out of bounds (2)");
  std::vector<TComponent*> written;
  root.GetChildren([&](TComponent* child) { written.push_back(child); });
  EXPECT_EQ(written, (std::vector<TComponent*>{a, c}));
  EXPECT_EQ(root.GetChildOwner(), &root);
}

// Records the order in which broadcast messages arrive.
std::vector<std::string>* gDeliveries = nullptr;

class RecordingList : public TComponentList {
 public:
  RecordingList(TComponent* owner, std::string label) : TComponentList(owner), label_(label) {}
  void Dispatch(TBroadcastMessage& m) override {
    gDeliveries->push_back(label_ + ":" + std::to_string(m.msg));
    ++m.result;
  }

 private:
  std::string label_;
};

class RecordingComponent : public TComponent, public IMessageReceiver {
 public:
  explicit RecordingComponent(TComponent* owner) : TComponent(owner) {}
  void Dispatch(TBroadcastMessage&) override { gDeliveries->push_back("plain"); }
};

TEST(BroadcastTest, ParentsBeforeChildrenInChildOrder) {
  std::vector<std::string> deliveries;
  gDeliveries = &deliveries;
  RecordingList root(nullptr, "root");
  auto* child = new RecordingList(&root, "child");
  new RecordingList(child, "grandchild");
  new TComponent(&root);  // neither a list nor a receiver: skipped
  new RecordingComponent(&root);
  new RecordingList(&root, "second");
  TBroadcastMessage message;
  message.msg = 42;
  root.Broadcast(message);
  EXPECT_EQ(deliveries, (std::vector<std::string>{"root:42", "child:42", "grandchild:42", "plain",
                                                  "second:42"}));
  EXPECT_EQ(message.result, 4);
  gDeliveries = nullptr;
}

class FlaggedList : public TComponentList {
 public:
  using TComponentList::TComponentList;
  bool OwnerFlag() const override { return true; }
};

TEST(ComponentListTest, OwnerFlagIsTheOwnersAnswer) {
  TComponentList plainRoot(nullptr);
  EXPECT_FALSE(plainRoot.OwnerFlag());
  auto* underPlain = new TEItem(&plainRoot);
  EXPECT_FALSE(underPlain->OwnerFlag());

  FlaggedList flagged(nullptr);
  auto* child = new TEItem(&flagged);
  auto* grandchild = new TEItem(child);
  EXPECT_TRUE(child->OwnerFlag());
  EXPECT_TRUE(grandchild->OwnerFlag());

  TComponent other(nullptr);
  auto* underOther = new TEItem(&other);
  EXPECT_FALSE(underOther->OwnerFlag());
}

TEST(ComponentListTest, EditCallsTheHookWithTitleAndHiddenProperties) {
  TEItem item(nullptr);
  item.Edit();  // without a hook nothing happens
  TComponentList* edited = nullptr;
  std::string title = "unset", hidden;
  {
    test::HookGuard<TEditHook> hook(
        SetEditHook, [&](TComponentList& o, const std::string& t, const std::string& h) {
          edited = &o;
          title = t;
          hidden = h;
        });
    item.Edit();
  }
  EXPECT_EQ(edited, &item);
  EXPECT_EQ(title, "");
  EXPECT_EQ(hidden, "Name,Tag");
}

// Records SetConverting calls and whether it was converting when its text was taken.
class ConvertingList : public TComponentList {
 public:
  using TComponentList::TComponentList;
  static const TClassInfo& StaticClass() {
    static const TClassInfo info =
        TClassBuilder<ConvertingList>("TTestConvertingList", &TComponentList::StaticClass())
            .Str(
                "State", [](const ConvertingList& l) { return l.converting_ ? "on" : ""; },
                [](ConvertingList&, const std::string&) {})
            .Build();
    return info;
  }
  const TClassInfo& ClassType() const override { return StaticClass(); }
  void SetConverting(bool active) override {
    converting_ = active;
    calls.push_back(active);
  }
  std::vector<bool> calls;

 private:
  bool converting_ = false;
};

TEST(ComponentListTest, CloneAndAsTextConvertWithTheConvertingStateSet) {
  RegisterClass(ConvertingList::StaticClass());
  RegisterInstallClasses();
  ConvertingList list(nullptr);
  list.SetName("Root");
  (new TFileItem(&list, "a.dll"))->SetName("A");
  new TVersionValue(&list, "b.exe");

  std::string text = AsText(list);
  EXPECT_NE(text.find("State = 'on'"), std::string::npos);
  EXPECT_EQ(list.calls, (std::vector<bool>{true, false}));

  std::unique_ptr<TComponentList> copy = list.Clone();
  EXPECT_EQ(list.calls, (std::vector<bool>{true, false, true, false}));
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->Owner(), nullptr);
  EXPECT_EQ(copy->Name(), "Root");
  ASSERT_EQ(copy->ChildCount(), 2);
  EXPECT_EQ(copy->Child(0)->Name(), "A");
  EXPECT_EQ(dynamic_cast<TVersionValue*>(copy->Child(1))->Path(), "b.exe");
  UnRegisterClass(ConvertingList::StaticClass());
}

}  // namespace
}  // namespace cd
