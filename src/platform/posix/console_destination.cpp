// The destination question as a console prompt with the field's text as its default.
#include <iostream>
#include <memory>

#include "platform/posix/console_io.h"
#include "platform/views.h"

namespace cd::os {

namespace {

// "" keeps the shown text, "-" empties it, anything else replaces it; the end of input keeps
// the text, as the dialog cannot be cancelled.
class ConsoleDestinationView : public DestinationView {
 public:
  std::string Ask(const std::string& prompt, const std::string& text) override {
    std::cout << "Choose destination directory\n"
              << console::ToTerminal(prompt) << '\n'
              << "Please enter then directory where you would like to install then data.\n";
    const std::optional<std::string> answer =
        console::ReadAnswer("Directory (- for none) [" + console::ToTerminal(text) + "]: ");
    if (!answer || answer->empty()) return text;
    if (*answer == "-") return std::string();
    return *answer;
  }
};

}  // namespace

std::unique_ptr<DestinationView> CreateDestinationView() {
  return std::make_unique<ConsoleDestinationView>();
}

}  // namespace cd::os
