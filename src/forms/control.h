// TControl: a component shown on a form, with its stored position and size, font, hint and
// tab order. Each kind of control describes itself to the form's view (CreateView); a control
// nested in a panel is owned by the form and listed by the panel.
#pragma once

#include <cstdint>
#include <string>

#include "config/component.h"
#include "outline/font.h"
#include "outline/outline_options.h"
#include "platform/form_view.h"

namespace cd {

class TControl : public TComponent {
 public:
  explicit TControl(TComponent* owner) : TComponent(owner) {}
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  int32_t Left() const { return left_; }
  int32_t Top() const { return top_; }
  int32_t Width() const { return width_; }
  int32_t Height() const { return height_; }
  void SetBounds(int32_t left, int32_t top, int32_t width, int32_t height);
  // The form edge the control keeps to (its stored placement); alNone keeps its bounds.
  TAlign Align() const { return align_; }
  TFont& Font() { return font_; }
  const TFont& Font() const { return font_; }
  const std::string& Hint() const { return hint_; }
  bool ShowHint() const { return showHint_; }
  int32_t TabOrder() const { return tabOrder_; }

  // Adds this control (and, for a panel, its controls) to view inside parent (-1: the form).
  void CreateView(os::FormView& view, int parent);
  // Moves the control's view to the control's bounds, while it has one.
  void PlaceView();

 protected:
  // The kind, text and callbacks of this control's view; the base fills in the rest.
  virtual void DescribeView(os::ControlLook& look) = 0;
  // After the view has the control: a panel adds its own controls.
  virtual void ViewCreated(os::FormView&, int /*self*/) {}
  // The view's number of this control while it has one, else -1.
  int ViewControl() const { return viewControl_; }
  os::FormView* View() const { return view_; }

 private:
  TAlign align_ = TAlign::alNone;
  int32_t left_ = 0;
  int32_t top_ = 0;
  int32_t width_ = 0;
  int32_t height_ = 0;
  TFont font_;
  std::string hint_;
  bool showHint_ = false;
  int32_t tabOrder_ = -1;
  os::FormView* view_ = nullptr;
  int viewControl_ = -1;
};

}  // namespace cd
