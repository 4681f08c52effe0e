// The update window as a console view: message line, a bar with the totals and the current
// file's name, redrawn in place on a terminal; without one, a line every few percent.
#include <algorithm>
#include <iostream>
#include <memory>

#include "platform/dialogs.h"
#include "platform/messages.h"
#include "platform/posix/console_io.h"
#include "platform/views.h"

namespace cd::os {

namespace {

class ConsoleProgressView : public ProgressView {
 public:
  void RunModal(const std::function<void()>& start) override {
    struct Shown {
      explicit Shown(ConsoleProgressView& v) : view(v) {
        view.shown_ = true;
        view.DrawMessage();
      }
      ~Shown() {
        view.EndLine();
        view.shown_ = false;
      }
      ConsoleProgressView& view;
    } shown(*this);
    start();
  }
  void SetMessage(const std::string& text) override {
    if (text == message_) return;
    message_ = text;
    DrawMessage();
  }
  void SetFileName(const std::string& text) override {
    if (text == fileName_) return;
    fileName_ = text;
    DrawBar(true);
  }
  void SetTotalText(const std::string& text) override { totalText_ = text; }
  void SetCopiedText(const std::string& text) override { copiedText_ = text; }
  void SetBar(int32_t min, int32_t max, int32_t position) override {
    min_ = min;
    max_ = max;
    position_ = position;
    DrawBar(false);
  }
  void ProcessMessages() override {
    std::cout << std::flush;
    os::ProcessMessages();
  }
  void ShowInformation(const std::string& title, const std::string& text) override {
    EndLine();
    ShowMessageBox(console::ToTerminal(text), console::ToTerminal(title), MessageButtons::Ok,
                   MessageIcon::Information);
  }

 private:
  static constexpr int kBarWidth = 30;
  static constexpr int kLineStep = 5;

  int Filled() const {
    if (max_ <= min_) return 0;
    const int64_t part = static_cast<int64_t>(position_ - min_) * kBarWidth / (max_ - min_);
    return static_cast<int>(std::clamp<int64_t>(part, 0, kBarWidth));
  }

  void DrawMessage() {
    if (!shown_) return;
    EndLine();
    std::cout << console::ToTerminal(message_) << std::endl;
  }

  // On a terminal the bar line is redrawn in place. Without one (a CI log, a pipe) there is
  // no bar: a line with the percentage is written each time it reaches the next step of
  // kLineStep percent, so that logs stay short and readable.
  void DrawBar(bool fileChanged) {
    if (!shown_) return;
    if (!console::OutputIsTerminal()) {
      if (fileChanged || max_ <= min_) return;
      const int64_t percent =
          std::clamp<int64_t>(static_cast<int64_t>(position_ - min_) * 100 / (max_ - min_), 0, 100);
      const int step = static_cast<int>(percent / kLineStep);
      if (step == lastStep_) return;
      lastStep_ = step;
      std::cout << console::ToTerminal(std::to_string(percent) + "%  " + copiedText_ + "  " +
                                       totalText_ + "  " + fileName_)
                << '\n';
      return;
    }
    const int filled = Filled();
    const std::string line = "[" + std::string(static_cast<size_t>(filled), '#') +
                             std::string(static_cast<size_t>(kBarWidth - filled), '.') + "] " +
                             copiedText_ + "  " + totalText_ + "  " + fileName_;
    std::cout << "\r\x1b[K" << console::ToTerminal(line) << std::flush;
    lineOpen_ = true;
  }

  void EndLine() {
    if (lineOpen_) std::cout << '\n';
    lineOpen_ = false;
    std::cout << std::flush;
  }

  bool shown_ = false;
  bool lineOpen_ = false;
  int lastStep_ = -1;
  std::string message_, fileName_, totalText_, copiedText_;
  int32_t min_ = 0, max_ = 100, position_ = 0;
};

}  // namespace

std::unique_ptr<ProgressView> CreateProgressView() {
  return std::make_unique<ConsoleProgressView>();
}

}  // namespace cd::os
