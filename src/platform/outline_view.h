// The view of an outline control. The logic layer keeps the tree, the rows and the rules; a
// view only shows the rows a source describes and passes the user's input back to it: an
// owner-drawn window on Windows, a numbered listing on the console elsewhere.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace cd::os {

// The row pictures in the order of their image resources "PLUS", "MINUS", "OPEN", "CLOSED"
// and "LEAF".
enum class OutlinePicture { Plus, Minus, Open, Closed, Leaf };

// One row as drawn. Colours are stored colours: an RGB value, or 0x80000000 plus a system
// colour index.
struct OutlineRowLook {
  std::string text;
  // Units of tree lines before the picture; the last one holds the row's own junction (with
  // the plus or minus picture for a node with children).
  int indentUnits = 0;
  // For each unit before the junction: whether a line passes it downwards.
  std::vector<bool> lines;
  bool lastSibling = true;
  bool hasChildren = false;
  bool expanded = false;
  OutlinePicture picture = OutlinePicture::Leaf;
  bool current = false;
  int32_t background = 0;
  int32_t textColor = 0;
};

struct OutlineHintLook {
  std::string text;
  // In the window's client pixels: the hint's top left corner and the row it stays within.
  int left = 0;
  int top = 0;
  int rowTop = 0;
  int rowBottom = 0;
  int32_t background = 0;
  int32_t textColor = 0;
  int hideTimeout = 0;
};

// A rectangle in the window's client pixels, right and bottom edges excluded.
struct ViewRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool operator==(const ViewRect&) const = default;
};

// What a node drawing handler paints its row with. Colours are stored colours.
class RowPainter {
 public:
  virtual ~RowPainter() = default;
  virtual void FillRect(const ViewRect& rect, int32_t colour) = 0;
  // text with its top left corner at (x, y), in the view's font, on a clear background.
  virtual void Text(int x, int y, const std::string& text, int32_t colour) = 0;
};

// Modifier bits as the sources take them: Shift, Alt, Ctrl.
inline constexpr uint32_t kViewShift = 1u << 0;
inline constexpr uint32_t kViewAlt = 1u << 1;
inline constexpr uint32_t kViewCtrl = 1u << 2;

class OutlineViewSource {
 public:
  virtual ~OutlineViewSource() = default;
  virtual int RowCount() = 0;
  virtual int TopRow() = 0;
  virtual void SetTopRow(int row) = 0;
  virtual int RowHeight() = 0;
  virtual OutlineRowLook Row(int row) = 0;
  // Lets the model's node drawing handler paint row within rect; false when it has none and
  // the view draws the row itself from Row.
  virtual bool DrawRow(int row, const ViewRect& rect, RowPainter& painter) = 0;
  virtual bool DrawFocusRect() = 0;
  virtual bool StretchPictures() = 0;
  virtual int32_t Background() = 0;
  // The rows as the console lists them.
  virtual std::string Listing() = 0;

  // Input, in client pixels; keys are virtual key codes.
  virtual void MouseDown(bool leftButton, uint32_t shift, int x, int y) = 0;
  virtual void DblClick(int x) = 0;
  virtual void KeyDown(uint16_t key, uint32_t shift) = 0;
  virtual void MouseMove(uint32_t shift, int x, int y) = 0;
  virtual void MouseEnter() = 0;
  virtual void MouseLeave() = 0;
  virtual void FocusChanged(bool focused) = 0;
  // The hint for the mouse at (x, y); none when the row's text fits.
  virtual std::optional<OutlineHintLook> HintAt(int x, int y, int clientWidth) = 0;
};

class OutlineWindow {
 public:
  virtual ~OutlineWindow() = default;
  // Shows every row again, or one row.
  virtual void Refresh() = 0;
  virtual void RefreshRow(int row) = 0;
  // The window (an HWND) on Windows; nullptr on the console.
  virtual void* Handle() = 0;
  // Moves the window within its parent.
  virtual void SetBounds(int left, int top, int width, int height) = 0;
  // Whether a hint window is shown (Windows).
  virtual bool HintShown() = 0;
  // The width of text in the view's font, in pixels (characters on the console).
  virtual int TextWidth(const std::string& text) = 0;
};

// A child window of parent (an HWND on Windows; a top-level window when parent is nullptr) at
// the given place, drawn with the pictures "PLUS", "MINUS", "OPEN", "CLOSED" and "LEAF" of the
// program's bitmap resources. On the console each Refresh writes the source's listing to the
// standard output.
std::unique_ptr<OutlineWindow> CreateOutlineWindow(OutlineViewSource& source, void* parent,
                                                   int left, int top, int width, int height);

}  // namespace cd::os
