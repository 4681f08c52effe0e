// Canvases on Windows: a 32-bit DIB section selected into a memory DC. The outlined shapes
// are GDI's own (Rectangle, Ellipse, RoundRect, Polygon in WINDING fill mode) with a solid
// pen and a solid or null brush made for the call; region shapes are filled with FillRgn and
// framed with FrameRgn, handed to GDI as the region of their rectangles, so any region shape
// can be drawn.
#include <windows.h>

#include <algorithm>
#include <vector>

#include "base/exceptions.h"
#include "platform/canvas.h"
#include "platform/win32/win_error.h"

namespace cd::os {
namespace {

// The GDI region covered by the shape's rectangles; empty for an empty shape.
HRGN GdiRegionOf(const RegionShape& shape) {
  const std::vector<ShapeRect> rects = shape.Rects();
  std::vector<char> buffer(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT));
  auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
  data->rdh.dwSize = sizeof(RGNDATAHEADER);
  data->rdh.iType = RDH_RECTANGLES;
  data->rdh.nCount = static_cast<DWORD>(rects.size());
  data->rdh.nRgnSize = static_cast<DWORD>(rects.size() * sizeof(RECT));
  const ShapeRect box = shape.Box();
  data->rdh.rcBound = {box.left, box.top, box.right, box.bottom};
  auto* out = reinterpret_cast<RECT*>(data->Buffer);
  for (size_t i = 0; i < rects.size(); ++i)
    out[i] = {rects[i].left, rects[i].top, rects[i].right, rects[i].bottom};
  HRGN region = ExtCreateRegion(nullptr, static_cast<DWORD>(buffer.size()), data);
  if (!region) throw Exception("The system could not make the region to draw");
  return region;
}

class GdiCanvas final : public Canvas {
 public:
  GdiCanvas(int32_t width, int32_t height) : Canvas(width, height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ =
        CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
    if (!dc_ || !bitmap_) {
      const std::string reason = win32::LastErrorText();
      Release();
      throw Exception("The system could not make a canvas of " + std::to_string(width) + " x " +
                      std::to_string(height) + " pixels: " + reason);
    }
    previous_ = SelectObject(dc_, bitmap_);
    std::fill(bits_, bits_ + static_cast<size_t>(width) * static_cast<size_t>(height),
              DWORD{0xFFFFFF});
  }
  ~GdiCanvas() override { Release(); }
  GdiCanvas(const GdiCanvas&) = delete;
  GdiCanvas& operator=(const GdiCanvas&) = delete;

  void Rectangle(const ShapeRect& r) override {
    Outlined([&] { ::Rectangle(dc_, r.left, r.top, r.right, r.bottom); });
  }
  void Ellipse(const ShapeRect& r) override {
    Outlined([&] { ::Ellipse(dc_, r.left, r.top, r.right, r.bottom); });
  }
  void RoundRect(const ShapeRect& r, int32_t width, int32_t height) override {
    Outlined([&] { ::RoundRect(dc_, r.left, r.top, r.right, r.bottom, width, height); });
  }
  void Polygon(const std::vector<ShapePoint>& points) override {
    std::vector<POINT> gdi;
    gdi.reserve(points.size());
    for (const ShapePoint& p : points) gdi.push_back({p.x, p.y});
    Outlined([&] {
      SetPolyFillMode(dc_, WINDING);
      ::Polygon(dc_, gdi.data(), static_cast<int>(gdi.size()));
    });
  }
  void FillShape(const RegionShape& shape) override {
    if (BrushClear()) return;
    Draw(shape, [&](HRGN region, HBRUSH brush) { FillRgn(dc_, region, brush); });
  }
  void FrameShape(const RegionShape& shape) override {
    if (BrushClear()) return;
    Draw(shape,
         [&](HRGN region, HBRUSH brush) { FrameRgn(dc_, region, brush, PenWidth(), PenWidth()); });
  }
  CanvasColour Pixel(int32_t x, int32_t y) const override {
    GdiFlush();
    const DWORD bgr =
        bits_[static_cast<size_t>(y) * static_cast<size_t>(Width()) + static_cast<size_t>(x)];
    return {static_cast<uint8_t>(bgr >> 16), static_cast<uint8_t>(bgr >> 8),
            static_cast<uint8_t>(bgr)};
  }

 private:
  // Calls draw with the canvas's pen and brush selected into the DC.
  template <typename Call>
  void Outlined(Call draw) {
    const CanvasColour p = PenColour(), b = BrushColour();
    HPEN pen = CreatePen(PS_SOLID, PenWidth(), RGB(p.red, p.green, p.blue));
    HBRUSH brush = BrushClear() ? static_cast<HBRUSH>(GetStockObject(NULL_BRUSH))
                                : CreateSolidBrush(RGB(b.red, b.green, b.blue));
    if (!pen || !brush) {
      if (pen) DeleteObject(pen);
      if (brush && !BrushClear()) DeleteObject(brush);
      throw Exception("The system could not make the pen and brush to draw with");
    }
    HGDIOBJ oldPen = SelectObject(dc_, pen);
    HGDIOBJ oldBrush = SelectObject(dc_, brush);
    draw();
    SelectObject(dc_, oldBrush);
    SelectObject(dc_, oldPen);
    DeleteObject(pen);
    if (!BrushClear()) DeleteObject(brush);
  }
  template <typename Call>
  void Draw(const RegionShape& shape, Call call) {
    const CanvasColour c = BrushColour();
    HBRUSH brush = CreateSolidBrush(RGB(c.red, c.green, c.blue));
    HRGN region = GdiRegionOf(shape);
    call(region, brush);
    DeleteObject(region);
    DeleteObject(brush);
  }
  void Release() {
    if (dc_ && previous_) SelectObject(dc_, previous_);
    if (bitmap_) DeleteObject(bitmap_);
    if (dc_) DeleteDC(dc_);
  }

  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ previous_ = nullptr;
  DWORD* bits_ = nullptr;
};

}  // namespace

std::unique_ptr<Canvas> Canvas::Create(int32_t width, int32_t height) {
  return std::make_unique<GdiCanvas>(width, height);
}

}  // namespace cd::os
