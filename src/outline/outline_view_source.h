// TOutlineViewSource: what a platform view of a TObjectOutline shows, taken from the model,
// and the view's input passed to the model's rules. It also connects the model's redraw
// notifications to the window.
#pragma once

#include <memory>

#include "platform/outline_view.h"

namespace cd {

class TObjectOutline;

class TOutlineViewSource : public os::OutlineViewSource {
 public:
  // Unless the outline has a drawing information handler, the default drawing's (with the
  // text measured in the window's font) is installed.
  explicit TOutlineViewSource(TObjectOutline& outline);
  ~TOutlineViewSource() override;

  // Shows the outline in a window of this platform under parent.
  void Show(void* parent);
  // Moves the window to the outline's bounds.
  void Place();
  os::OutlineWindow* Window() { return window_.get(); }

  int RowCount() override;
  int TopRow() override;
  void SetTopRow(int row) override;
  int RowHeight() override;
  os::OutlineRowLook Row(int row) override;
  bool DrawRow(int row, const os::ViewRect& rect, os::RowPainter& painter) override;
  bool DrawFocusRect() override;
  bool StretchPictures() override;
  int32_t Background() override;
  std::string Listing() override;
  void MouseDown(bool leftButton, uint32_t shift, int x, int y) override;
  void DblClick(int x) override;
  void KeyDown(uint16_t key, uint32_t shift) override;
  void MouseMove(uint32_t shift, int x, int y) override;
  void MouseEnter() override;
  void MouseLeave() override;
  void FocusChanged(bool focused) override { focused_ = focused; }
  std::optional<os::OutlineHintLook> HintAt(int x, int y, int clientWidth) override;

 private:
  TObjectOutline& outline_;
  std::unique_ptr<os::OutlineWindow> window_;
  bool focused_ = false;
  bool ownDrawInfo_ = false;  // the default drawing information was installed here
};

}  // namespace cd
