// The console view of a form: shown, it writes the form's listing to standard output.
#include "platform/form_view.h"

#include <iostream>

#include "platform/posix/console_io.h"

namespace cd::os {
namespace {

class ConsoleFormView : public FormView {
 public:
  explicit ConsoleFormView(const FormSpec& form) : form_(form) {}

  int AddControl(const ControlSpec& spec, int parent) override {
    controls_.push_back({spec, parent});
    return static_cast<int>(controls_.size()) - 1;
  }
  void Show() override {
    std::cout << console::ToTerminal(FormListing(form_, controls_)) << std::flush;
  }
  void Hide() override {}
  void Invalidate() override {}
  void SetControlText(int control, const std::string& text) override {
    ControlSpec& spec = controls_.at(static_cast<size_t>(control)).spec;
    spec.text = text;
    if (spec.onChange) spec.onChange(text);
  }
  std::string ControlText(int control) const override {
    return controls_.at(static_cast<size_t>(control)).spec.text;
  }
  void ProcessMessages() override {}

 private:
  FormSpec form_;
  std::vector<ListedControl> controls_;
};

}  // namespace

std::unique_ptr<FormView> CreateFormView(const FormSpec& form) {
  return std::make_unique<ConsoleFormView>(form);
}

}  // namespace cd::os
