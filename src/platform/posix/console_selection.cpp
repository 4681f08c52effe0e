// The component selection on the console: the listing of both sides, then one command line.
#include <iostream>
#include <memory>

#include "platform/posix/console_io.h"
#include "platform/views.h"

namespace cd::os {

namespace {

class ConsoleSelectionView : public SelectionView {
 public:
  std::optional<std::string> Ask(const std::string& listing) override {
    std::cout << console::ToTerminal(listing);
    const std::optional<std::string> answer =
        console::ReadAnswer("> N selects, < N deselects, Enter accepts, q cancels: ");
    if (!answer) return answer;
    return console::FromTerminal(*answer);
  }
};

}  // namespace

std::unique_ptr<SelectionView> CreateSelectionView() {
  return std::make_unique<ConsoleSelectionView>();
}

}  // namespace cd::os
