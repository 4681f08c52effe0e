// The outline control: rows and selection, keys, clicks, hover, hints, loading and numbering.
#include <gtest/gtest.h>

#include <fstream>

#include "config/class_registry.h"
#include "config/config_io.h"
#include "outline/html_node.h"
#include "outline/long_node_hint.h"
#include "outline/object_outline.h"
#include "outline/outline_classes.h"
#include "outline/outline_feedback.h"
#include "outline/outline_lines.h"
#include "outline/outline_rows.h"
#include "outline/windowed_control.h"
#include "platform/drive_map.h"
#include "support/hook_guard.h"
#include "support/message_of.h"
#include "support/temp_dir.h"

namespace cd {
namespace {

using test::MessageOf;

// a, b, c, d are 1..4 with b and d under a and c under b; e is the second top-level node.
constexpr const char* kTree = "a\n\tb\n\t\tc\n\td\ne\n";

// An outline of kTree with rows 24 pixels high, recording selection changes, node clicks and
// beeps; its expander area is x 0..10 when withExpander.
class OutlineTest : public ::testing::Test {
 protected:
  OutlineTest() {
    LoadOutlineLines(outline, kTree);
    outline.onSelectedItemChange = [this](TNewCustomOutline&, TOutlineNode& n) {
      events.push_back("select " + n.Text());
    };
    outline.onNodeClick = [this](TObjectOutline&, TOutlineNode& n) {
      events.push_back("click " + n.Text());
    };
  }
  void WithExpander() {
    outline.onGetDrawOutlineInfo = [](TOutlineNode&, TDrawOutlineInfo& info) {
      info.expanderLeft = 0;
      info.expanderRight = 10;
      info.textLeft = 20;
      info.textRight = 80;
      info.normalColor = 7;
      info.currentColor = 9;
    };
  }
  TOutlineNode& Node(const std::string& text) {
    for (int i = 1; i <= outline.ItemCount(); ++i)
      if (outline.Items(i).Text() == text) return outline.Items(i);
    throw std::runtime_error("no node " + text);
  }
  std::string Current() { return outline.CurrentNode().Text(); }
  int Y(int row) const { return row * 24 + 5; }

  TObjectOutline outline{nullptr};
  std::vector<std::string> events;
  test::HookGuard<std::function<void()>> beep_{OnOutlineBeep(),
                                               [this] { events.push_back("beep"); }};
};

TEST_F(OutlineTest, RowsShowTheVisibleNodesInOrder) {
  EXPECT_EQ(outline.RowCount(), 2);
  EXPECT_EQ(outline.NodeAtRow(1)->Text(), "e");
  EXPECT_EQ(outline.NodeAtRow(2), nullptr);
  EXPECT_EQ(outline.RowOfNode(Node("b")), -1);
  outline.FullExpand();
  EXPECT_EQ(OutlineRows(outline), "1 - a\n2   - b\n3       c\n4     d\n5   e\n");
  EXPECT_EQ(outline.RowOfNode(Node("d")), 3);
  outline.CollapseLevel(2);
  EXPECT_EQ(OutlineRows(outline), "1 - a\n2   + b\n3     d\n4   e\n");
  outline.CollapseLevel(-1);
  EXPECT_EQ(outline.RowCount(), 5);
  outline.FullCollapse();
  EXPECT_EQ(OutlineRows(outline), "1 + a\n2   e\n");
}

TEST_F(OutlineTest, SelectedItemRules) {
  EXPECT_EQ(outline.SelectedItem(), 1);  // the root gives way to the node of row 0
  outline.SetSelectedItem(3);            // c is hidden under b and a
  EXPECT_EQ(Current(), "a");
  outline.FullExpand();
  outline.SetSelectedItem(3);
  Node("a").SetExpanded(false);
  EXPECT_EQ(outline.SelectedItem(), 1);
  EXPECT_EQ(MessageOf<EOutlineError>([&] { outline.SetSelectedItem(-1); }), "Invalid selection");
  EXPECT_EQ(MessageOf<EOutlineError>([&] { outline.SetSelectedItem(6); }),
            "Outline index not found");
  outline.BeginUpdate();
  outline.SetSelectedItem(5);  // ignored while updating
  outline.EndUpdate();
  outline.SetSelectedItem(0);
  EXPECT_EQ(events, (std::vector<std::string>{"select a", "select c", "select a"}));
  Node("a").Delete(0);  // a node removed with the current one leaves no dangling row
  outline.Clear();
  EXPECT_EQ(MessageOf<EOutlineError>([&] { outline.SetSelectedItem(0); }), "Invalid selection");
  EXPECT_EQ(outline.SelectedItem(), 0);
}

TEST_F(OutlineTest, Keys) {
  const struct {
    std::string from;
    uint16_t key;
    uint32_t shift;
    std::string current;  // "!" for a beep that leaves from current
  } cases[] = {
      {"d", kKeyHome, 0, "a"},        {"b", kKeyEnd, 0, "e"},
      {"c", kKeyLeft, 0, "b"},        {"a", kKeyLeft, 0, "!"},
      {"b", kKeyRight, 0, "c"},       {"e", kKeyRight, 0, "!"},
      {"b", kKeyUp, kCtrlKey, "!"},   {"b", kKeyDown, kCtrlKey, "d"},
      {"d", kKeyDown, kCtrlKey, "!"}, {"d", kKeyUp, kCtrlKey, "b"},
      {"c", kKeyDown, 0, "d"},        {"a", kKeyUp, 0, "a"},
      {"b", kKeyNext, 0, "e"},        {"c", 'X', 0, "c"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.from + " " + std::to_string(c.key));
    outline.FullExpand();
    outline.SelectNode(Node(c.from));
    events.clear();
    outline.KeyDown(c.key, c.shift);
    if (c.current == "!") {
      EXPECT_EQ(events, std::vector<std::string>{"beep"});
      EXPECT_EQ(Current(), c.from);
    } else {
      EXPECT_EQ(Current(), c.current);
    }
  }
  outline.FullCollapse();
  outline.KeyDown(kKeyEnd, 0);
  EXPECT_EQ(Current(), "e");  // the last visible node
  outline.KeyDown(kKeyMultiply, kCtrlKey);
  EXPECT_EQ(outline.RowCount(), 5);
  outline.Clear();
  outline.KeyDown(kKeyHome, 0);  // nothing to do without nodes
}

TEST_F(OutlineTest, EnterTogglesANodeWithChildrenAndClicksALeaf) {
  outline.SelectNode(Node("a"));
  outline.KeyDown(kKeyReturn, 0);
  EXPECT_TRUE(Node("a").Expanded());
  outline.SelectNode(Node("d"));
  outline.KeyDown(kKeyReturn, 0);
  EXPECT_EQ(events.back(), "click d");
}

TEST_F(OutlineTest, ClicksInAndOutsideTheExpanderArea) {
  outline.MouseDown(TMouseButton::mbLeft, 0, 5, Y(0));  // no handler: no expander area
  EXPECT_FALSE(Node("a").Expanded());
  WithExpander();
  outline.MouseDown(TMouseButton::mbLeft, 0, 10, Y(0));
  EXPECT_TRUE(Node("a").Expanded());
  outline.MouseDown(TMouseButton::mbLeft, 0, 30, Y(1));
  outline.MouseDown(TMouseButton::mbRight, 0, 30, Y(4));
  outline.MouseDown(TMouseButton::mbLeft, kShiftKey, 30, Y(4));
  outline.MouseDown(TMouseButton::mbLeft, 0, 5, Y(9));  // below the rows
  EXPECT_EQ(events,
            (std::vector<std::string>{"select a", "click a", "select a", "select b", "click b"}));
  events.clear();
  outline.MouseDown(TMouseButton::mbLeft, 0, 30, Y(1));
  outline.DblClick(30);  // on the text: toggles
  EXPECT_TRUE(Node("b").Expanded());
  outline.DblClick(5);  // in the area: the press toggled already
  EXPECT_TRUE(Node("b").Expanded());
  outline.onGetDrawOutlineInfo = nullptr;
  outline.DblClick(5);
  EXPECT_FALSE(Node("b").Expanded());
}

TEST_F(OutlineTest, HoverAndHintPause) {
  HintPause() = 500;
  outline.SetOutlineStyles(SetBit(TOutlineStyle::os_MouseMoveSensitive) |
                           SetBit(TOutlineStyle::os_LongNodeHint));
  outline.onMouseEnter = [this](TObjectOutline&, TOutlineNode& n) {
    events.push_back("+" + n.Text());
  };
  outline.onMouseLeave = [this](TObjectOutline&, TOutlineNode& n) {
    events.push_back("-" + n.Text());
  };
  outline.MouseEnter();
  EXPECT_EQ(HintPause(), 0);
  for (int row : {0, 0, 1, 3}) outline.MouseMove(0, 5, Y(row));
  outline.MouseMove(kShiftKey, 5, Y(0));
  EXPECT_EQ(events, (std::vector<std::string>{"+a", "-a", "+e"}));
  outline.MouseLeave();
  EXPECT_EQ(HintPause(), 500);
  EXPECT_EQ(outline.HoverNode(), nullptr);
}

TEST_F(OutlineTest, LongNodeHint) {
  EXPECT_FALSE(LongNodeHint(outline, 5, Y(0), 50));  // no style
  outline.SetOutlineStyles(SetBit(TOutlineStyle::os_LongNodeHint));
  EXPECT_FALSE(LongNodeHint(outline, 5, Y(0), 50));  // no handler
  WithExpander();
  EXPECT_FALSE(LongNodeHint(outline, 5, Y(0), 81));  // the text fits
  outline.SelectNode(Node("e"));
  const auto normal = LongNodeHint(outline, 5, Y(0), 80);
  ASSERT_TRUE(normal);
  EXPECT_EQ(normal->text, "a");
  EXPECT_EQ(std::make_pair(normal->left, normal->top), std::make_pair(17, -1));
  EXPECT_EQ(std::make_pair(normal->background, normal->textColor), std::make_pair(7, kClBlack));
  const auto current = LongNodeHint(outline, 5, Y(1), 80);
  EXPECT_EQ(std::make_pair(current->rowTop, current->top), std::make_pair(24, 23));
  EXPECT_EQ(std::make_pair(current->background, current->textColor), std::make_pair(9, kClWhite));
  EXPECT_FALSE(LongNodeHint(outline, 5, Y(2), 80));  // no node there
}

TEST(OutlineFile, TypeByTheFirstFourCharactersOfTheExtension) {
  for (const char* name : {"a.dfm", "C:\\x\\B.OTX", "c.otxt"})
    EXPECT_EQ(OutlineFileType(name), TOutlineFileType::ObjectText) << name;
  EXPECT_EQ(OutlineFileType("d.Oty"), TOutlineFileType::BinaryObjects);
  EXPECT_EQ(MessageOf([] { OutlineFileType(""); }), "TObjectOutline.GetFileType: aFileName='");
  for (const char* name : {"e.txt", "f.ot", "g.d\\fm", "noext"})
    EXPECT_EQ(MessageOf([&] { OutlineFileType(name); }),
              std::string("TObjectOutline.GetFileType: Unknown File Type - ") + name);
}

TEST(OutlineFile, LoadsThroughTheSourcerAndNumbersTheNodes) {
  RegisterOutlineClasses();
  test::TempDir dir;
  std::ofstream(dir.File("nodes.OTX")) << "object Other: TObjectOutline\n"
                                          "  object THTMLNode Id = 7 end\n"
                                          "  object THTMLNode end\n"
                                          "  object TMyNode Text = 'plain' end\n"
                                          "end\n";
  std::ofstream(dir.File("nodes.oty")) << "object X: TObjectOutline end\n";
  TObjectOutline outline(nullptr);
  outline.SetName("Mine");
  LoadOutlineLines(outline, "old\n");
  outline.FileSourcer().SetRuntimeStyle(SetBit(fss_LoadFromFile) | SetBit(fss_ErrShowException));
  outline.SetFileName(os::WindowsPath(dir.File("nodes.OTX")));
  EXPECT_EQ(outline.Name(), "Mine");
  ASSERT_EQ(outline.ItemCount(), 3);
  EXPECT_EQ(dynamic_cast<THTMLNode&>(outline.Items(2)).GetId(), 8);
  EXPECT_EQ(outline.AutoIncrementCount(), 8);
  const std::string oty = os::WindowsPath(dir.File("nodes.oty"));
  EXPECT_EQ(MessageOf([&] { outline.SetFileName(oty); }),
            "TObjectOutline.LoadFromFile: Wrong File Type (\"" + oty + "\")");
  EXPECT_EQ(outline.ItemCount(), 0);  // cleared first
}

// An owner that keeps the outlines it is told of for itself when it answers 1.
class TAnsweringOwner : public TComponent, public INodeMessageReceiver {
 public:
  explicit TAnsweringOwner(int answer) : TComponent(nullptr), answer_(answer) {}
  void NodeMessage(TNodeMessage& m) override {
    if (m.msg == kOutlineCreatedMessage) told = m.control, m.result = answer_;
  }
  TComponent* told = nullptr;

 private:
  int answer_;
};

TEST(OutlineConstruction, TheOwnerIsAskedFirst) {
  for (int answer : {0, 1}) {
    TAnsweringOwner owner(answer);
    auto* outline = new TObjectOutline(&owner);
    EXPECT_EQ(owner.told, outline);
    EXPECT_EQ(outline->Owner(), answer ? nullptr : &owner);
    if (answer) delete outline;
  }
}

class TWindowedOwner : public TComponent, public IWindowedControl {
 public:
  TWindowedOwner() : TComponent(nullptr) {}
};

// A windowed owner becomes the parent, and the control starts plain; any other owner (or
// none) leaves the defaults.
TEST(OutlineConstruction, AWindowedOwnerBecomesTheParent) {
  TWindowedOwner form;
  auto* shown = new TObjectOutline(&form);
  EXPECT_EQ(shown->Parent(), &form);
  EXPECT_EQ(shown->Options(), 0u);
  EXPECT_EQ(shown->Font().Size(), 9);
  EXPECT_EQ(shown->ScrollBars(), TScrollStyle::ssVertical);
  TAnsweringOwner plain(0);
  auto* owned = new TObjectOutline(&plain);
  TObjectOutline alone(nullptr);
  for (TObjectOutline* o : {owned, &alone}) {
    EXPECT_EQ(o->Parent(), nullptr);
    EXPECT_EQ(o->Options(),
              SetBit(TOutlineOption::ooDrawTreeRoot) | SetBit(TOutlineOption::ooDrawFocusRect));
    EXPECT_EQ(o->Font().Size(), 8);
    EXPECT_EQ(o->ScrollBars(), TScrollStyle::ssBoth);
  }
}

TEST(OutlineConstruction, DestroyingRestoresTheHintPauseSavedAtConstruction) {
  test::HookGuard<int> pause(HintPause(), 500);
  auto outline = std::make_unique<TObjectOutline>(nullptr);
  outline->SetOutlineStyles(SetBit(TOutlineStyle::os_LongNodeHint));
  outline->MouseEnter();
  EXPECT_EQ(HintPause(), 0);
  outline.reset();
  EXPECT_EQ(HintPause(), 500);
}

}  // namespace
}  // namespace cd
