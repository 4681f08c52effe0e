// The console view of a form: shown, it writes the form's listing to standard output.
#include "platform/form_view.h"

#include <iostream>

#include "platform/posix/console_io.h"

namespace cd::os {
namespace {

class ConsoleFormView : public FormView {
 public:
  explicit ConsoleFormView(const FormLook& form) : form_(form) {}

  int AddControl(const ControlLook& look, int parent) override {
    controls_.push_back({look, parent});
    return static_cast<int>(controls_.size()) - 1;
  }
  void Show() override {
    std::cout << console::ToTerminal(FormListing(form_, controls_)) << std::flush;
  }
  void Hide() override {}
  void Invalidate() override {}
  void SetControlText(int control, const std::string& text) override {
    ControlLook& look = controls_.at(static_cast<size_t>(control)).look;
    look.text = text;
    if (look.onChange) look.onChange(text);
  }
  std::string ControlText(int control) const override {
    return controls_.at(static_cast<size_t>(control)).look.text;
  }
  void SetControlBounds(int control, int left, int top, int width, int height) override {
    ControlLook& look = controls_.at(static_cast<size_t>(control)).look;
    look.left = left;
    look.top = top;
    look.width = width;
    look.height = height;
  }
  void ProcessMessages() override {}
  void* Handle() override { return nullptr; }
  void RunModal(const bool&) override {}
  void EndModal(bool& done) override { done = true; }

 private:
  FormLook form_;
  std::vector<ListedControl> controls_;
};

}  // namespace

std::unique_ptr<FormView> CreateFormView(const FormLook& form) {
  return std::make_unique<ConsoleFormView>(form);
}

}  // namespace cd::os
