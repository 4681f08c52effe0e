// The application choice as a numbered console menu.
#include <charconv>
#include <iostream>
#include <memory>

#include "platform/posix/console_io.h"
#include "platform/views.h"

namespace cd::os {

namespace {

// "" keeps the preselected entry; a number picks that entry; "q" or the end of input cancels.
// Anything else asks again.
class ConsoleChoiceView : public ChoiceView {
 public:
  int Choose(const std::vector<std::string>& entries, int selected) override {
    std::cout << "CD ROM with multiple VOK Applications:\n";
    for (size_t i = 0; i < entries.size(); ++i) {
      std::cout << (static_cast<int>(i) == selected ? " * " : "   ") << i + 1 << ") "
                << console::ToTerminal(entries[i]) << '\n';
    }
    const std::string prompt = "Choose an application (1-" + std::to_string(entries.size()) +
                               ", q to cancel) [" + std::to_string(selected + 1) + "]: ";
    for (;;) {
      const std::optional<std::string> answer = console::ReadAnswer(prompt);
      if (!answer || *answer == "q" || *answer == "Q") return -1;
      if (answer->empty()) return selected;
      int number = 0;
      const char* end = answer->data() + answer->size();
      const auto [ptr, ec] = std::from_chars(answer->data(), end, number);
      if (ec == std::errc() && ptr == end && number >= 1 &&
          number <= static_cast<int>(entries.size())) {
        return number - 1;
      }
      std::cout << "Please enter a number from 1 to " << entries.size() << ".\n";
    }
  }
};

}  // namespace

std::unique_ptr<ChoiceView> CreateChoiceView() {
  return std::make_unique<ConsoleChoiceView>();
}

}  // namespace cd::os
