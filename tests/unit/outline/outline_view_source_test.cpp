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

}  // namespace
}  // namespace cd
