// The destination question as a console prompt with the field's text as its default.
#include <iostream>
#include <memory>

#include "base/exceptions.h"
#include "platform/posix/console_io.h"
#include "platform/views.h"

namespace cd::os {

namespace {

// "" (or the end of input) keeps the shown text, anything else replaces it. A refused answer
// is told on standard error and asked again on a terminal; from a script, or at the end of
// the input, it ends the question with the refusal as the failure.
class ConsoleDestinationView : public DestinationView {
 public:
  std::string Ask(const std::string& prompt, const std::string& text,
                  const DestinationCheck& check) override {
    std::cout << "Choose destination directory\n"
              << console::ToTerminal(prompt) << '\n'
              << "Please enter then directory where you would like to install then data.\n";
    while (true) {
      const std::optional<std::string> answer =
          console::ReadAnswer("Directory [" + console::ToTerminal(text) + "]: ");
      const std::string taken = !answer || answer->empty() ? text : *answer;
      const std::string refusal = check ? check(taken) : std::string();
      if (refusal.empty()) return taken;
      if (!answer || !console::InputIsTerminal()) throw Exception(refusal);
      std::cerr << console::ToTerminal(refusal) << std::endl;
    }
  }
};

}  // namespace

std::unique_ptr<DestinationView> CreateDestinationView() {
  return std::make_unique<ConsoleDestinationView>();
}

}  // namespace cd::os
