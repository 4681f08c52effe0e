// Progress arithmetic of an update: totals, bar position in thousands of bytes, step cycle.
#include "runner/setup_progress.h"

#include <algorithm>

#include "runner/runner_texts.h"
#include "util/format.h"
#include "util/saturate.h"

namespace cd {

TSetupProgress::TSetupProgress(std::unique_ptr<os::ProgressView> view, Translator translate)
    : view_(std::move(view)), translate_(std::move(translate)) {}

void TSetupProgress::SetMessages(const std::string& msg, const std::string& fileName) {
  view_->SetMessage(translate_(msg));
  view_->SetFileName(translate_(fileName));
}

TProgressProc TSetupProgress::GetProgressProc() {
  return [this](int64_t code, int64_t size, TSetupTotals* totals) {
    return Progress(code, size, totals);
  };
}

TStepProc TSetupProgress::GetStepProc() {
  return [this] { Step(); };
}

void TSetupProgress::SetRange(int32_t min, int32_t max) {
  barMax_ = max;
  barMin_ = min;
  SetBarPosition(barPosition_);
  ShowBar();
}

void TSetupProgress::ShowRestartMessage(const std::string& appTitle) {
  // The title is passed twice: when the installation language has no variant the whole
  // two-language text, with two "%s", is shown rather than failing to fill it.
  const std::string title = translate_(appTitle);
  view_->ShowInformation(title_, Format(translate_(kRestartText), {title, title}));
}

// The figures are taken from the 64-bit counts, so an update past 2 GB shows true totals and
// a bar that keeps moving forward; the bar itself counts thousands of bytes.
bool TSetupProgress::Progress(int64_t code, int64_t /*size*/, TSetupTotals* totals) {
  if (totals == nullptr) return true;
  if (code == kProgressCopyDone) {
    view_->SetMessage(translate_(kRunProgramText));
    return true;
  }
  if (code == kProgressFileDone) {
    totals->SetDone(totals->DoneBytes + totals->CurrentBytes);
    return true;
  }
  totals->SetCurrent(code);
  barMax_ = Saturate32(totals->TotalBytes / 1000);
  const int64_t copied = totals->DoneBytes + totals->CurrentBytes;
  view_->SetTotalText(
      Format("%s: %d", {translate_(kTotalText), static_cast<long long>(totals->TotalBytes)}));
  view_->SetCopiedText(Format("%s: %d", {translate_(kCopiedText), static_cast<long long>(copied)}));
  SetBarPosition(Saturate32(copied / 1000));
  ShowBar();
  view_->ProcessMessages();
  return true;
}

void TSetupProgress::Step() {
  SetBarPosition(barPosition_ + 1 < barMax_ ? barPosition_ + 1 : 1);
  ShowBar();
}

void TSetupProgress::RunModal(const std::function<void()>& update) {
  view_->SetMessage(translate_(kUpdatingFilesText));
  view_->RunModal(update);
}

// A progress bar keeps its position inside its range, as the Windows control does.
void TSetupProgress::SetBarPosition(int32_t position) {
  barPosition_ = barMin_ <= barMax_ ? std::clamp(position, barMin_, barMax_) : position;
}

void TSetupProgress::ShowBar() {
  view_->SetBar(barMin_, barMax_, barPosition_);
}

}  // namespace cd
