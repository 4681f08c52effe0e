// The view of a form built from its stored layout: real windows on Windows (STATIC, EDIT,
// BUTTON and a panel window, children of one top-level window), a text listing in the
// console on POSIX. The model in forms/ keeps the state; each of its controls describes
// itself to the view, which reports clicks and edits back through the callbacks.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace cd::os {

enum class ControlKind { Label, Edit, Button, BitButton, Panel };
enum class TextAlignment { Left, Right, Center };
enum class PanelBevel { None, Lowered, Raised };

struct ControlLook {
  ControlKind kind = ControlKind::Label;
  std::string name;
  std::string text;  // caption, or an edit's text
  int left = 0, top = 0, width = 0, height = 0;
  TextAlignment alignment = TextAlignment::Left;
  // Labels: a label that does not wrap its words is as wide as its text needs (at least its
  // stored width), as an auto-sized label is.
  bool wordWrap = false;
  PanelBevel bevel = PanelBevel::Raised;  // panels: the outer edge
  std::string hint;
  bool showHint = false;
  int tabOrder = -1;
  std::string fontName;
  int fontHeight = 0;
  bool fontBold = false;
  std::function<void()> onClick;                     // buttons
  std::function<void(const std::string&)> onChange;  // edits: the new text
};

struct FormLook {
  std::string className;  // the window class on Windows
  std::string caption;
  int clientWidth = 0, clientHeight = 0;
  bool borderless = false;
  // The background: an RGB value (0x00BBGGRR) or a system colour (0x80000000 plus its
  // index); paintBackground false leaves it unpainted (the form colour "clNone").
  int32_t color = 0;
  bool paintBackground = true;
  std::string fontName;
  int fontHeight = 0;
  std::function<void()> onClose;  // the user closed the window
  std::function<void(int clientWidth, int clientHeight)> onResize;  // the window's new size
};

class FormView {
 public:
  virtual ~FormView() = default;
  // Adds a control inside the panel numbered parent, or inside the form for -1; returns the
  // control's number.
  virtual int AddControl(const ControlLook& look, int parent) = 0;
  virtual void Show() = 0;
  virtual void Hide() = 0;
  // Repaints the form, its frame included.
  virtual void Invalidate() = 0;
  virtual void SetControlText(int control, const std::string& text) = 0;
  virtual std::string ControlText(int control) const = 0;
  virtual void SetControlBounds(int control, int left, int top, int width, int height) = 0;
  // Handles every pending message of the process.
  virtual void ProcessMessages() = 0;
  // The form's window (an HWND) on Windows, the parent of windows placed on the form; nullptr
  // on the console.
  virtual void* Handle() = 0;
  // Shows the form and handles messages until done is true (set through EndModal, which also
  // wakes the loop), then hides it. The console has no loop: it returns at once.
  virtual void RunModal(const bool& done) = 0;
  virtual void EndModal(bool& done) = 0;
};

std::unique_ptr<FormView> CreateFormView(const FormLook& form);

// The console listing of a form: its caption, then one line a control in the order of their
// positions (top to bottom, then left to right), nested controls indented under their panel.
struct ListedControl {
  ControlLook look;
  int parent = -1;
};
std::string FormListing(const FormLook& form, const std::vector<ListedControl>& controls);

}  // namespace cd::os
