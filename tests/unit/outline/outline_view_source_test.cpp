// What the views are given of an outline: each row's lines, pictures and colours, the default
// layout's expander area, and the console listing.
#include "outline/outline_view_source.h"

#include <gtest/gtest.h>

#include "outline/object_outline.h"
#include "outline/outline_lines.h"

namespace cd {
namespace {

TEST(OutlineViewSource, RowsCarryTheirLinesPicturesAndColours) {
  TObjectOutline outline(nullptr);
  LoadOutlineLines(outline, "a\n\tb\n\t\tc\n\td\ne\n");
  outline.FullExpand();
  outline.SetDefaultRowHeight(10);
  TOutlineViewSource source(outline);
  source.Show(nullptr);  // this platform's view, which measures the texts
  const struct {
    int row;
    int units;
    std::vector<bool> lines;
    bool last;
    os::OutlinePicture picture;
  } cases[] = {
      {0, 1, {}, false, os::OutlinePicture::Open},
      {2, 3, {true, true}, true, os::OutlinePicture::Leaf},  // c: a has e below, b has d
      {3, 2, {true}, true, os::OutlinePicture::Leaf},
      {4, 1, {}, true, os::OutlinePicture::Leaf},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.row);
    const os::OutlineRowLook look = source.Row(c.row);
    EXPECT_EQ(look.indentUnits, c.units);
    EXPECT_EQ(look.lines, c.lines);
    EXPECT_EQ(look.lastSibling, c.last);
    EXPECT_EQ(look.picture, c.picture);
  }
  outline.SelectNode(outline.Items(2));
  EXPECT_TRUE(source.Row(1).current);
  EXPECT_EQ(source.Row(1).background, kClHighlight);
  EXPECT_EQ(source.Row(0).background, kClWindow);
  EXPECT_EQ(source.Listing(), "1 - a\n2   - b\n3       c\n4     d\n5   e\n");

  // The default layout: b (two units) has its expander in the second, its text after the
  // picture; a click there collapses it.
  TDrawOutlineInfo info;
  ASSERT_TRUE(outline.GetDrawInfo(outline.Items(2), info));
  EXPECT_EQ(std::make_pair(info.expanderLeft, info.expanderRight), std::make_pair(10, 19));
  EXPECT_EQ(info.textLeft, 32);
  EXPECT_GT(info.textRight, info.textLeft);
  source.MouseDown(true, 0, 15, 15);
  EXPECT_FALSE(outline.Items(2).Expanded());
}

// A painter that records what is painted.
struct RecordingPainter : os::RowPainter {
  void FillRect(const os::ViewRect&, int32_t colour) override {
    painted.push_back("fill " + std::to_string(colour));
  }
  void Text(int, int, const std::string& text, int32_t) override { painted.push_back(text); }
  std::vector<std::string> painted;
};

// The node drawing handler draws a row only while nodes exist; it is given the row's
// rectangle and the draw state (current row, hover node, focus).
TEST(OutlineViewSource, TheNodeDrawingHandlerDrawsRowsWithTheirState) {
  TObjectOutline outline(nullptr);
  LoadOutlineLines(outline, "a\nb\n");
  TOutlineViewSource source(outline);
  RecordingPainter painter;
  const os::ViewRect rect{0, 24, 100, 48};
  EXPECT_FALSE(source.DrawRow(1, rect, painter));  // no handler: the default drawing
  std::vector<std::pair<os::ViewRect, uint32_t>> calls;
  outline.onDrawNode = [&](TObjectOutline&, TOutlineNode& node, const os::ViewRect& r,
                           uint32_t state, os::RowPainter& p) {
    calls.emplace_back(r, state);
    p.Text(r.left, r.top, node.Text(), 0);
  };
  outline.SetOutlineStyles(SetBit(TOutlineStyle::os_MouseMoveSensitive));
  outline.MouseMove(0, 5, 30);  // hovers b
  EXPECT_TRUE(source.DrawRow(1, rect, painter));
  source.FocusChanged(true);
  outline.SelectNode(outline.Items(2));
  EXPECT_TRUE(source.DrawRow(1, rect, painter));
  EXPECT_TRUE(source.DrawRow(0, os::ViewRect{0, 0, 100, 24}, painter));
  EXPECT_FALSE(source.DrawRow(2, rect, painter));  // no node in that row
  ASSERT_EQ(calls.size(), 3u);
  EXPECT_EQ(calls[0], std::make_pair(rect, kDrawHover));
  EXPECT_EQ(calls[1], std::make_pair(rect, kDrawCurrent | kDrawHover | kDrawFocused));
  EXPECT_EQ(calls[2], std::make_pair(os::ViewRect{0, 0, 100, 24}, kDrawFocused));
  EXPECT_EQ(painter.painted, (std::vector<std::string>{"b", "b", "a"}));
  outline.Clear();
  EXPECT_FALSE(outline.DrawNode(outline.RootNode(), rect, false, painter));  // no nodes
}

}  // namespace
}  // namespace cd
