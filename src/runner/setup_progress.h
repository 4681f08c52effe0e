// TSetupProgress: the runner's side of the progress protocol. It implements ISetupCallBack,
// keeps the totals and the bar's state, and shows them through a platform progress view.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "install/setup_callback.h"
#include "platform/views.h"

namespace cd {

class TSetupProgress : public ISetupCallBack {
 public:
  using Translator = std::function<std::string(const std::string&)>;

  // translate turns a multilingual text into the installation language.
  TSetupProgress(std::unique_ptr<os::ProgressView> view, Translator translate);

  void SetMessages(const std::string& msg, const std::string& fileName) override;
  TProgressProc GetProgressProc() override;
  TSetupTotals* GetTotals() override { return &totals_; }
  TStepProc GetStepProc() override;
  void SetRange(int32_t min, int32_t max) override;
  void ShowRestartMessage(const std::string& appTitle) override;

  // The progress callback and the step callback themselves.
  bool Progress(int64_t code, int64_t size, TSetupTotals* totals);
  void Step();

  // Shows the view modally with the "Updating files ..." line; update runs inside its loop
  // and its failure is raised again once the view has closed.
  void RunModal(const std::function<void()>& update);

  // Title of message boxes (the application title).
  void SetTitle(std::string title) { title_ = std::move(title); }
  const std::string& Title() const { return title_; }

  int32_t BarMin() const { return barMin_; }
  int32_t BarMax() const { return barMax_; }
  int32_t BarPosition() const { return barPosition_; }
  os::ProgressView& View() { return *view_; }

 private:
  void SetBarPosition(int32_t position);
  void ShowBar();

  std::unique_ptr<os::ProgressView> view_;
  Translator translate_;
  TSetupTotals totals_;
  std::string title_;
  // The bar starts at 0 of 100, as the window is designed.
  int32_t barMin_ = 0;
  int32_t barMax_ = 100;
  int32_t barPosition_ = 0;
};

}  // namespace cd
