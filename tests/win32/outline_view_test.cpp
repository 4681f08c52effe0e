// The outline's Win32 view: a window with nodes, clicked and keyed through real messages,
// checked against the model; the long-node hint in its own window. With CD_OUTLINE_SHOT_MS
// set, the window stays on screen that long at the end for a screenshot.
#include "platform/outline_view.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <map>
#include <string>

#include "outline/object_outline.h"
#include "outline/outline_lines.h"
#include "outline/outline_view_source.h"
#include "platform/messages.h"

namespace cd {
namespace {

void Send(HWND hwnd, UINT msg, WPARAM wParam, int x = 0, int y = 0) {
  SendMessageW(hwnd, msg, wParam, MAKELPARAM(x, y));
  os::ProcessMessages();
}

struct OutlineWindowTest : ::testing::Test {
  OutlineWindowTest() {
    outline.SetBounds(200, 150, 260, 200);
    outline.SetDefaultRowHeight(18);
    LoadOutlineLines(outline,
                     "Program\nCourses\n\tEnglish\n\t\tGrammar\n\t\tVocabulary\n\tGerman\n"
                     "Help with a text far too long for the row of this outline\n");
    outline.onNodeClick = [this](TObjectOutline&, TOutlineNode& n) { clicked = n.Text(); };
    source.Show(nullptr);
    hwnd = static_cast<HWND>(source.Window()->Handle());
    os::ProcessMessages();
  }
  std::string Current() { return outline.CurrentNode().Text(); }
  int Y(int row) const { return row * 18 + 9; }

  TObjectOutline outline{nullptr};
  TOutlineViewSource source{outline};
  HWND hwnd = nullptr;
  std::string clicked;
};

TEST_F(OutlineWindowTest, ClicksAndKeysDriveTheModel) {
  ASSERT_NE(hwnd, nullptr);
  // Row 1 "Courses": its expander is the first unit (x 0..17), its text from x 38 on.
  Send(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, 9, Y(1));
  Send(hwnd, WM_LBUTTONUP, 0, 9, Y(1));
  EXPECT_TRUE(outline.Items(2).Expanded());
  EXPECT_EQ(clicked, "");
  Send(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, 60, Y(0));
  EXPECT_EQ(clicked, "Program");
  Send(hwnd, WM_RBUTTONDOWN, MK_RBUTTON, 60, Y(2));
  EXPECT_EQ(Current(), "Program");

  Send(hwnd, WM_KEYDOWN, VK_DOWN);
  Send(hwnd, WM_KEYDOWN, VK_DOWN);
  EXPECT_EQ(Current(), "English");
  Send(hwnd, WM_KEYDOWN, VK_RETURN);
  EXPECT_TRUE(outline.Items(3).Expanded());
  Send(hwnd, WM_KEYDOWN, VK_RIGHT);
  EXPECT_EQ(Current(), "Grammar");
  Send(hwnd, WM_KEYDOWN, VK_LEFT);
  EXPECT_EQ(Current(), "English");
  Send(hwnd, WM_KEYDOWN, VK_END);
  EXPECT_EQ(Current(), outline.Items(7).Text());
  Send(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, 60, Y(2));  // English: a double click toggles
  Send(hwnd, WM_LBUTTONUP, 0, 60, Y(2));
  Send(hwnd, WM_LBUTTONDBLCLK, MK_LBUTTON, 60, Y(2));
  EXPECT_FALSE(outline.Items(3).Expanded());
  EXPECT_EQ(outline.RowCount(), 5);
}

TEST_F(OutlineWindowTest, ALongNodeShowsItsHintUntilTheMouseLeavesItsRow) {
  outline.SetOutlineStyles(SetBit(TOutlineStyle::os_LongNodeHint) |
                           SetBit(TOutlineStyle::os_MouseMoveSensitive));
  Send(hwnd, WM_MOUSEMOVE, 0, 60, Y(0));
  EXPECT_FALSE(source.Window()->HintShown());  // "Program" fits
  Send(hwnd, WM_MOUSEMOVE, 0, 60, Y(2));
  EXPECT_TRUE(source.Window()->HintShown());
  HWND hint = FindWindowW(L"TMyHintWindow", nullptr);
  ASSERT_NE(hint, nullptr);
  RECT rect, client{};
  GetWindowRect(hint, &rect);
  POINT origin{0, 0};
  ClientToScreen(hwnd, &origin);
  EXPECT_EQ(rect.top, origin.y + 2 * 18 - 1);
  Send(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, 60, Y(2));  // the left button leaves it shown
  Send(hwnd, WM_LBUTTONUP, 0, 60, Y(2));
  EXPECT_TRUE(source.Window()->HintShown());
  GetClientRect(hint, &client);
  EXPECT_GT(client.right, 200);  // as wide as the whole text
  Send(hwnd, WM_MOUSEMOVE, 0, 60, Y(1));
  EXPECT_FALSE(source.Window()->HintShown());
}

TEST_F(OutlineWindowTest, RowsAreDrawnWithThePictures) {
  outline.FullExpand();
  outline.SelectNode(outline.Items(4));
  SetFocus(hwnd);
  os::ProcessMessages();
  HDC dc = GetDC(hwnd);
  // Row 3 "Grammar" (level 3): lines in units 0 and 1, the junction in unit 2, the leaf
  // picture in unit 3 (x 54..71) with the text after it.
  UpdateWindow(hwnd);
  const COLORREF leafEdge = GetPixel(dc, 54 + 4, Y(3) - 7);
  ReleaseDC(hwnd, dc);
  EXPECT_EQ(leafEdge, RGB(40, 90, 200));
  if (const char* pause = std::getenv("CD_OUTLINE_SHOT_MS")) {
    outline.SetOutlineStyles(SetBit(TOutlineStyle::os_LongNodeHint));
    Send(hwnd, WM_MOUSEMOVE, 0, 60, Y(6));
    const DWORD end = GetTickCount() + static_cast<DWORD>(std::atoi(pause));
    while (GetTickCount() < end) {
      os::ProcessMessages();
      Sleep(20);
    }
  }
}

// With a node drawing handler, the rows are the handler's: it is given each row's rectangle
// and draw state, and what it paints is what the window shows.
TEST_F(OutlineWindowTest, ANodeDrawingHandlerPaintsTheRows) {
  std::map<std::string, std::pair<os::ViewRect, uint32_t>> drawn;
  outline.onDrawNode = [&](TObjectOutline&, TOutlineNode& node, const os::ViewRect& rect,
                           uint32_t state, os::RowPainter& painter) {
    drawn[node.Text()] = {rect, state};
    painter.FillRect(rect, node.Text() == "Courses" ? 0x0000FF : 0x00FF00);
  };
  Send(hwnd, WM_SETFOCUS, 0);  // as the window hears it when it gets the focus
  outline.SelectNode(outline.Items(2));
  InvalidateRect(hwnd, nullptr, FALSE);
  UpdateWindow(hwnd);
  RECT client;
  GetClientRect(hwnd, &client);
  const int right = client.right;
  EXPECT_EQ(drawn["Program"], std::make_pair(os::ViewRect{0, 0, right, 18}, kDrawFocused));
  EXPECT_EQ(drawn["Courses"],
            std::make_pair(os::ViewRect{0, 18, right, 36}, kDrawCurrent | kDrawFocused));
  HDC dc = GetDC(hwnd);
  EXPECT_EQ(GetPixel(dc, 5, Y(1)), RGB(255, 0, 0));
  EXPECT_EQ(GetPixel(dc, 5, Y(0)), RGB(0, 255, 0));
  ReleaseDC(hwnd, dc);
}

}  // namespace
}  // namespace cd
