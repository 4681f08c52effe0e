// TQuietProgressView: the progress view of a run that asks nothing. It shows the progress
// through the platform's view (a silent run) or not at all (a very silent run), and passes
// the notice that would be a modal box (the restart notice) to notice instead.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/views.h"

namespace cd {

class TQuietProgressView : public os::ProgressView {
 public:
  using Notice = std::function<void(const std::string& title, const std::string& text)>;

  // shown may be empty: then nothing is shown and RunModal runs start directly.
  TQuietProgressView(std::unique_ptr<os::ProgressView> shown, Notice notice)
      : shown_(std::move(shown)), notice_(std::move(notice)) {}

  void RunModal(const std::function<void()>& start) override;
  void SetMessage(const std::string& text) override;
  void SetFileName(const std::string& text) override;
  void SetTotalText(const std::string& text) override;
  void SetCopiedText(const std::string& text) override;
  void SetBar(int32_t min, int32_t max, int32_t position) override;
  void ProcessMessages() override;
  void ShowInformation(const std::string& title, const std::string& text) override;

 private:
  std::unique_ptr<os::ProgressView> shown_;
  Notice notice_;
};

}  // namespace cd
