// Recording views for the runner's models: they keep what was shown and answer as scripted.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/views.h"

namespace cd::test {

struct ProgressRecord {
  std::string message, fileName, totalText, copiedText;
  int32_t min = 0, max = 0, position = 0;
  int pumps = 0;
  int modalRuns = 0;
  std::vector<std::string> notices;  // "title|text"
  std::vector<std::string> messageLog;
};

class FakeProgressView : public os::ProgressView {
 public:
  explicit FakeProgressView(ProgressRecord& record) : r_(record) {}
  void RunModal(const std::function<void()>& start) override {
    ++r_.modalRuns;
    start();
  }
  void SetMessage(const std::string& text) override {
    r_.message = text;
    r_.messageLog.push_back(text);
  }
  void SetFileName(const std::string& text) override { r_.fileName = text; }
  void SetTotalText(const std::string& text) override { r_.totalText = text; }
  void SetCopiedText(const std::string& text) override { r_.copiedText = text; }
  void SetBar(int32_t min, int32_t max, int32_t position) override {
    r_.min = min;
    r_.max = max;
    r_.position = position;
  }
  void ProcessMessages() override { ++r_.pumps; }
  void ShowInformation(const std::string& title, const std::string& text) override {
    r_.notices.push_back(title + "|" + text);
  }

 private:
  ProgressRecord& r_;
};

class FakeChoiceView : public os::ChoiceView {
 public:
  FakeChoiceView(int answer, std::vector<std::string>& shown, int& calls)
      : answer_(answer), shown_(shown), calls_(calls) {}
  int Choose(const std::vector<std::string>& entries, int selected) override {
    ++calls_;
    shown_ = entries;
    shown_.push_back("selected=" + std::to_string(selected));
    return answer_;
  }

 private:
  int answer_;
  std::vector<std::string>& shown_;
  int& calls_;
};

// Answers with edit(text shown) so a test can keep, change or empty the field.
class FakeDestinationView : public os::DestinationView {
 public:
  using Edit = std::function<std::string(const std::string& prompt, const std::string& text)>;
  explicit FakeDestinationView(Edit edit) : edit_(std::move(edit)) {}
  std::string Ask(const std::string& prompt, const std::string& text,
                  const os::DestinationCheck&) override {
    return edit_(prompt, text);
  }

 private:
  Edit edit_;
};

}  // namespace cd::test
