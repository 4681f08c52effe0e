// The console view of an outline: the numbered, indented listing of its rows.
#include "platform/outline_view.h"

#include <cstdio>

namespace cd::os {
namespace {

class ConsoleOutlineWindow : public OutlineWindow {
 public:
  explicit ConsoleOutlineWindow(OutlineViewSource& source) : source_(source) {}
  void Refresh() override {
    const std::string listing = source_.Listing();
    std::fwrite(listing.data(), 1, listing.size(), stdout);
    std::fflush(stdout);
  }
  void RefreshRow(int) override {}
  void* Handle() override { return nullptr; }
  void SetBounds(int, int, int, int) override {}
  bool HintShown() override { return false; }
  int TextWidth(const std::string& text) override { return static_cast<int>(text.size()); }

 private:
  OutlineViewSource& source_;
};

}  // namespace

std::unique_ptr<OutlineWindow> CreateOutlineWindow(OutlineViewSource& source, void*, int, int, int,
                                                   int) {
  return std::make_unique<ConsoleOutlineWindow>(source);
}

}  // namespace cd::os
