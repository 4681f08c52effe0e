// GdiRowPainter: filled rectangles and text on the paint's device context.
#include "platform/win32/gdi_row_painter.h"

#include "platform/win32/form_window.h"

namespace cd::os::win32 {

COLORREF StoredColorRef(int32_t color) {
  const auto value = static_cast<uint32_t>(color);
  return (value & 0x80000000u) ? GetSysColor(static_cast<int>(value & 0xFF)) : value;
}

void GdiRowPainter::FillRect(const ViewRect& rect, int32_t colour) {
  const RECT r{rect.left, rect.top, rect.right, rect.bottom};
  HBRUSH brush = CreateSolidBrush(StoredColorRef(colour));
  ::FillRect(dc_, &r, brush);
  DeleteObject(brush);
}

void GdiRowPainter::Text(int x, int y, const std::string& text, int32_t colour) {
  const std::wstring wide = ToWide(text);
  const int oldMode = SetBkMode(dc_, TRANSPARENT);
  const COLORREF oldColour = SetTextColor(dc_, StoredColorRef(colour));
  TextOutW(dc_, x, y, wide.c_str(), static_cast<int>(wide.size()));
  SetTextColor(dc_, oldColour);
  SetBkMode(dc_, oldMode);
}

}  // namespace cd::os::win32
