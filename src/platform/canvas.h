// A drawing surface of width x height pixels, white when made, with a pen (colour and width)
// and a brush (colour, or clear) as GDI has them. It draws GDI's four outlined shapes
// (Rectangle, Ellipse, RoundRect, Polygon filled by winding): the outline with the pen, the
// inside with the brush unless it is clear. And it fills region shapes and frames them: the
// fill covers the shape with the brush colour; the frame covers the shape's pixels that lie
// within the pen width of its outside (horizontally) or within the pen width of it
// vertically, in the brush colour too. Windows: a GDI bitmap (Rectangle and its kin, FillRgn,
// FrameRgn). POSIX: RasterCanvas, the same pixels in memory. Either is saved as a PNG image.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/region_shape.h"

namespace cd::os {

struct CanvasColour {
  uint8_t red = 0;
  uint8_t green = 0;
  uint8_t blue = 0;
  bool operator==(const CanvasColour&) const = default;
};

class Canvas {
 public:
  // The largest side a canvas may have (64 million pixels at most).
  static constexpr int32_t kLargestSide = 8192;

  // Fails for a side below 1 or above kLargestSide.
  static std::unique_ptr<Canvas> Create(int32_t width, int32_t height);

  virtual ~Canvas() = default;
  int32_t Width() const { return width_; }
  int32_t Height() const { return height_; }
  CanvasColour BrushColour() const { return brush_; }
  void SetBrushColour(CanvasColour colour) { brush_ = colour; }
  // A clear brush paints nothing: shapes are only outlined, and fills and frames of region
  // shapes leave the canvas as it is.
  bool BrushClear() const { return brushClear_; }
  void SetBrushClear(bool clear) { brushClear_ = clear; }
  CanvasColour PenColour() const { return pen_; }
  void SetPenColour(CanvasColour colour) { pen_ = colour; }
  int32_t PenWidth() const { return penWidth_; }
  // A pen width below 1 draws as 1.
  void SetPenWidth(int32_t width) { penWidth_ = width < 1 ? 1 : width; }

  // The outlined shapes. A pen of width 1 covers one pixel on each step of the outline; a
  // wider one covers its width across the outline, centred on it, with round joins.
  // rect's corners may come in either order; the outline runs along its left and top edges
  // and along the column and row inside its right and bottom edges.
  virtual void Rectangle(const ShapeRect& rect) = 0;
  // The ellipse inscribed in rect.
  virtual void Ellipse(const ShapeRect& rect) = 0;
  // rect with its corners rounded by an ellipse of width x height.
  virtual void RoundRect(const ShapeRect& rect, int32_t width, int32_t height) = 0;
  // The closed outline through the points, its inside filled by winding.
  virtual void Polygon(const std::vector<ShapePoint>& points) = 0;

  virtual void FillShape(const RegionShape& shape) = 0;
  virtual void FrameShape(const RegionShape& shape) = 0;
  // The colour at (x, y), which must lie on the canvas.
  virtual CanvasColour Pixel(int32_t x, int32_t y) const = 0;
  // Writes the canvas as an 8-bit RGB PNG image.
  void SavePng(const std::string& file) const;

 protected:
  Canvas(int32_t width, int32_t height);

 private:
  int32_t width_;
  int32_t height_;
  CanvasColour brush_;
  bool brushClear_ = false;
  CanvasColour pen_;
  int32_t penWidth_ = 1;
};

}  // namespace cd::os
