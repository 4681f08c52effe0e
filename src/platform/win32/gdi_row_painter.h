// GdiRowPainter: a node drawing handler's painter on the device context of an outline
// window's paint.
#pragma once

#include <windows.h>

#include "platform/outline_view.h"

namespace cd::os::win32 {

class GdiRowPainter : public RowPainter {
 public:
  explicit GdiRowPainter(HDC dc) : dc_(dc) {}
  void FillRect(const ViewRect& rect, int32_t colour) override;
  void Text(int x, int y, const std::string& text, int32_t colour) override;

 private:
  HDC dc_;
};

// The COLORREF of a stored colour: an RGB value, or 0x80000000 plus a system colour index.
COLORREF StoredColorRef(int32_t color);

}  // namespace cd::os::win32
