// ControlHints: the tooltip control of one form, with a tool for each of its controls that
// shows its hint. The tooltip window is made with the first tool and destroyed with this.
#pragma once

#include <windows.h>

#include <string>

namespace cd::os::win32 {

class ControlHints {
 public:
  explicit ControlHints(HWND form) : form_(form) {}
  ~ControlHints();
  ControlHints(const ControlHints&) = delete;
  ControlHints& operator=(const ControlHints&) = delete;

  // Shows hint while the mouse rests on control.
  void Add(HWND control, const std::string& hint);
  // The tooltip window; nullptr before the first tool.
  HWND Window() const { return tooltip_; }

 private:
  HWND form_;
  HWND tooltip_ = nullptr;
};

}  // namespace cd::os::win32
