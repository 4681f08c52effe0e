// Reading objects: roots, nested objects and their owners, names, positions, inherited
// blocks, references, loaded notifications, failures and hostile nesting.
#include <gtest/gtest.h>

#include <functional>

#include "config/binary_writer.h"
#include "config/class_registry.h"
#include "config/config_io.h"
#include "config/name_space.h"
#include "config/object_reader.h"
#include "support/message_of.h"
#include "unit/config/model_test_classes.h"

namespace cd::test {
namespace {

class ReaderObjects : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterTestClasses();
    EventLog().clear();
  }
  static TTestComponent* Child(TComponent& parent, int index) {
    return static_cast<TTestComponent*>(parent.Components(index));
  }
};

TEST_F(ReaderObjects, NestedObjectsAreOwnedByTheirEnclosingObjectInTextOrder) {
  auto root = StringToObject(
      "OBJECT Main: ttestcomponent\n"
      "  Number = 1\n"
      "  object A: TTestLeaf\n"
      "    ExtraKey = 'k'\n"
      "    Object Inner: TTestComponent\n"
      "    End\n"
      "  end\n"
      "  object TTestComponent\n"
      "  end\n"
      "end\n");
  ASSERT_EQ(root->ClassName(), "TTestComponent");
  EXPECT_EQ(root->Name(), "Main");
  ASSERT_EQ(root->ComponentCount(), 2);
  auto* a = static_cast<TTestLeaf*>(root->Components(0));
  EXPECT_EQ(a->ClassName(), "TTestLeaf");
  EXPECT_EQ(a->Name(), "A");
  EXPECT_EQ(a->extraKey, "k");
  EXPECT_EQ(a->Owner(), root.get());
  ASSERT_EQ(a->ComponentCount(), 1);
  EXPECT_EQ(a->Components(0)->Name(), "Inner");
  EXPECT_EQ(root->Components(1)->Name(), "");
}

TEST_F(ReaderObjects, LoadedGoesToTheRootFirstThenEachObjectAfterItsNestedOnes) {
  StringToObject(
      "object R: TTestComponent\n"
      "  object A: TTestComponent\n"
      "    object A1: TTestComponent end\n"
      "    object A2: TTestComponent end\n"
      "  end\n"
      "  object B: TTestComponent end\n"
      "end\n");
  EXPECT_EQ(EventLog(), (std::vector<std::string>{"R", "A1", "A2", "A", "B"}));
}

TEST_F(ReaderObjects, PositionsAreHandedToTheEnclosingObject) {
  auto root = StringToObject(
      "object R: TTestComponent\n  object A: TTestComponent [3]\n  end\nend\n");
  EXPECT_EQ(EventLog().front(), "order A 3");
}

TEST_F(ReaderObjects, NameChecks) {
  EXPECT_EQ(MessageOf([] {
              StringToObject("object R: TTestComponent\n object A: TTestComponent end\n"
                             " object a: TTestComponent end\nend");
            }),
            "A component named a already exists");
  // Names that the text cannot spell still reach the reader through the binary form.
  std::string binary;
  TBinaryWriter w(binary);
  w.WriteSignature();
  w.WriteStr("TTestComponent");
  w.WriteStr("1x");
  w.WriteListEnd();
  w.WriteListEnd();
  TObjectReader reader(binary);
  EXPECT_EQ(MessageOf([&] { reader.ReadRoot(); }), "''1x'' is not a valid component name");
}

TEST_F(ReaderObjects, UnknownClassesFail) {
  EXPECT_EQ(MessageOf([] { StringToObject("object R: TNoSuchClass end"); }),
            "Class TNoSuchClass not found");
  EXPECT_EQ(MessageOf([] {
              StringToObject("object R: TTestComponent object X: TNoSuchChild end end");
            }),
            "Class TNoSuchChild not found");
  EXPECT_EQ(MessageOf([] { StringToObject("object R: TStringList end"); }),
            "Class TStringList cannot be created as a component");
}

class TUnregisteredChild : public TTestComponent {
 public:
  using TTestComponent::TTestComponent;
  static const TClassInfo& StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TUnregisteredChild>("TUnregisteredChild", &TTestComponent::StaticClass()).Build();
    return info;
  }
  const TClassInfo& ClassType() const override { return StaticClass(); }
};

class TFieldForm : public TTestComponent {
 public:
  using TTestComponent::TTestComponent;
  static const TClassInfo& StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TFieldForm>("TFieldForm", &TTestComponent::StaticClass())
            .FieldClass(TUnregisteredChild::StaticClass())
            .Build();
    return info;
  }
  const TClassInfo& ClassType() const override { return StaticClass(); }
};

TEST_F(ReaderObjects, FieldClassesOfTheRootAreFoundBeforeTheRegistry) {
  RegisterClass(TFieldForm::StaticClass());
  auto root = StringToObject("object F: TFieldForm\n object C: tunregisteredchild end\nend");
  ASSERT_EQ(root->ComponentCount(), 1);
  EXPECT_EQ(&root->Components(0)->ClassType(), &TUnregisteredChild::StaticClass());
  EXPECT_EQ(MessageOf([] {
              StringToObject("object F: TTestComponent\n object C: TUnregisteredChild end\nend");
            }),
            "Class TUnregisteredChild not found");
}

TEST_F(ReaderObjects, InheritedBlocksReadIntoExistingObjects) {
  TTestComponent instance(nullptr);
  auto* existing = new TTestComponent(&instance);
  existing->SetName("Kid");
  StringToObject("object Form: TTestComponent\n inherited Kid: TTestComponent\n  Number = 5\n end\nend",
                 instance);
  EXPECT_EQ(instance.ComponentCount(), 1);
  EXPECT_EQ(existing->number, 5);
  EXPECT_EQ(MessageOf([&] {
              StringToObject("object Form: TTestComponent\n inherited Gone: TTestComponent end\nend",
                             instance);
            }),
            "Ancestor for 'Gone' not found");
  EXPECT_EQ(instance.ComponentCount(), 1);
}

TEST_F(ReaderObjects, ReadingIntoAnInstanceMakesItsNameUniqueAmongGlobalComponents) {
  TTestComponent other(nullptr);
  other.SetName("Main");
  TTestComponent taken1(nullptr);
  taken1.SetName("Main_1");
  AddGlobalComponent(&other);
  AddGlobalComponent(&taken1);
  TTestComponent instance(nullptr);
  StringToObject("object Main: TSomethingElse\n Number = 4\nend", instance);
  EXPECT_EQ(instance.Name(), "Main_2");
  EXPECT_EQ(instance.number, 4);
  RemoveGlobalComponent(&other);
  RemoveGlobalComponent(&taken1);
  StringToObject("object Main: TTestComponent end", instance);
  EXPECT_EQ(instance.Name(), "Main");
}

TEST_F(ReaderObjects, AFailingNestedObjectIsDestroyedAndTheInstanceKeepsItsChildren) {
  TTestComponent instance(nullptr);
  EXPECT_EQ(MessageOf([&] {
              StringToObject("object I: TTestComponent\n object A: TTestComponent\n"
                             "  Colour = clNone\n end\nend",
                             instance);
            }),
            "Error reading A.Colour: Invalid property value");
  EXPECT_EQ(instance.ComponentCount(), 0);
  EXPECT_TRUE(EventLog().empty());
}

TEST_F(ReaderObjects, ReferencesAreResolvedAfterTheWholeRootIsRead) {
  auto root = StringToObject(
      "object R: TTestComponent\n"
      "  Link = B\n"
      "  Items = <item Target = B.Deep end item Target = R end item Target = Nowhere end>\n"
      "  object A: TTestComponent\n    Link = nil\n  end\n"
      "  object B: TTestComponent\n    object Deep: TTestComponent end\n  end\n"
      "end\n");
  auto& r = static_cast<TTestComponent&>(*root);
  EXPECT_EQ(r.link, root->Components(1));
  EXPECT_EQ(static_cast<TTestItem*>(r.items->Items(0))->target, root->Components(1)->Components(0));
  EXPECT_EQ(static_cast<TTestItem*>(r.items->Items(1))->target, root.get());
  EXPECT_EQ(static_cast<TTestItem*>(r.items->Items(2))->target, nullptr);
  EXPECT_EQ(Child(*root, 0)->link, nullptr);
}

TEST_F(ReaderObjects, ReferencesOfReplacedCollectionItemsAreDropped) {
  auto root = StringToObject(
      "object R: TTestComponent\n"
      "  Items = <item Target = A end item Target = A end>\n"
      "  Items = <item Exe = 'only' end>\n"
      "  object A: TTestComponent end\n"
      "end\n");
  auto& r = static_cast<TTestComponent&>(*root);
  ASSERT_EQ(r.items->Count(), 1);
  EXPECT_EQ(static_cast<TTestItem*>(r.items->Items(0))->target, root->Components(0));
}

// Binary form of depth nested objects, each inside the previous one.
std::string DeepBinary(int depth) {
  std::string binary;
  TBinaryWriter w(binary);
  w.WriteSignature();
  for (int i = 0; i <= depth; ++i) {
    w.WriteStr("TTestComponent");
    w.WriteStr("");
    w.WriteListEnd();  // no properties
  }
  for (int i = 0; i <= depth; ++i) w.WriteListEnd();
  return binary;
}

TEST_F(ReaderObjects, NestingIsBounded) {
  const std::string shallow = DeepBinary(50);
  TObjectReader fine(shallow);
  EXPECT_NE(fine.ReadRoot(), nullptr);
  const std::string deep = DeepBinary(TObjectReader::kMaxDepth + 1);
  TObjectReader reader(deep);
  EXPECT_EQ(MessageOf([&] { reader.ReadRoot(); }), "Objects nested too deeply");
}

// Binary form of an unnamed TTestComponent with the one property that write adds.
std::string OneProperty(const std::function<void(TBinaryWriter&)>& write) {
  std::string binary;
  TBinaryWriter w(binary);
  w.WriteSignature();
  w.WriteStr("TTestComponent");
  w.WriteStr("");
  write(w);
  w.WriteListEnd();
  w.WriteListEnd();
  return binary;
}

std::string ReadError(const std::string& binary) {
  TObjectReader reader(binary);
  return MessageOf([&] { reader.ReadRoot(); });
}

TEST_F(ReaderObjects, ValuesThatObjectTextCannotHoldAreRefused) {
  auto property = [](const char* key, auto value) {
    return OneProperty([&](TBinaryWriter& w) {
      w.WriteStr(key);
      value(w);
    });
  };
  EXPECT_EQ(ReadError(property("Ext", [](TBinaryWriter& w) { w.WriteExtended(1e308L * 10); })),
            "Error reading TTestComponent.Ext: Invalid property value");
  EXPECT_EQ(ReadError(property("Sgl", [](TBinaryWriter& w) { w.WriteExtended(1e39L); })),
            "Error reading TTestComponent.Sgl: Invalid property value");
  EXPECT_EQ(ReadError(property("Cur", [](TBinaryWriter& w) { w.WriteExtended(1e16L); })),
            "Error reading TTestComponent.Cur: Invalid property value");
  EXPECT_EQ(ReadError(property("OnChange", [](TBinaryWriter& w) { w.WriteIdent("D/It"); })),
            "Error reading TTestComponent.OnChange: Invalid property value");
  EXPECT_EQ(ReadError(property("Link", [](TBinaryWriter& w) { w.WriteIdent("A..B"); })),
            "Error reading TTestComponent.Link: Invalid property value");
}

TEST_F(ReaderObjects, TruncatedBinaryFailsCleanly) {
  const std::string binary = DeepBinary(3);
  for (size_t n = 0; n < binary.size(); ++n) {
    TObjectReader reader(std::string_view(binary).substr(0, n));
    EXPECT_THROW(reader.ReadRoot(), EReadError) << n;
  }
}

}  // namespace
}  // namespace cd::test
