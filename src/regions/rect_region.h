// TRectRegion: a region of the rectangle Rect, with a layer number, an order number and data
// objects in object text; the circle, rounded rectangle and polygon regions derive from it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "config/config_io.h"
#include "regions/rect_object.h"
#include "regions/region.h"

namespace cd {

class TRectRegion : public TRegion {
 public:
  TRectRegion();
  ~TRectRegion() override;
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  TRectObject& Rect() const { return *rect_; }
  int16_t Level() const { return level_; }
  void SetLevel(int16_t v) { level_ = v; }
  int16_t TabOrder() const { return tabOrder_; }
  void SetTabOrder(int16_t v) { tabOrder_ = v; }
  const std::string& Data() const { return data_; }
  // A different text drops the data objects read from the old one.
  void SetData(const std::string& data);
  // The objects of Data, read on first use.
  TObjectList& DataObjects();
  // Only no list is accepted: it drops the data objects ("TRectRegion.SetDataObjects"
  // otherwise).
  void SetDataObjects(TObjectList* list);

  void OffsetBy(const TRegionPoint& delta) override;
  TRegionPoint GetReferencePoint() const override { return {rect_->Left(), rect_->Top()}; }
  os::ShapeRect GetBounds() override;
  bool Contains(int32_t x, int32_t y) override;
  // The shape drawn with the canvas's pen and brush.
  void Paint(os::Canvas& canvas) override;
  // The shape drawn with the canvas's pen only: its brush is cleared for the call.
  void Frame(os::Canvas& canvas) override;
  void LoadFromStream(TStream& stream) override;

 protected:
  std::unique_ptr<os::RegionShape> CreateHandle() override;
  // Draws the shape at its place with the canvas's outlined drawing (a rectangle here).
  virtual void DrawShape(os::Canvas& canvas);
  os::ShapeRect Shape() const {
    return {rect_->Left(), rect_->Top(), rect_->Right(), rect_->Bottom()};
  }

 private:
  std::unique_ptr<TRectObject> rect_;
  int16_t level_ = 0;
  int16_t tabOrder_ = 0;
  std::string data_;
  std::unique_ptr<TObjectList> dataObjects_;
};

}  // namespace cd
