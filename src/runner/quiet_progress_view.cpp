// The quiet progress view: everything but the notice goes to the shown view, if any.
#include "runner/quiet_progress_view.h"

namespace cd {

void TQuietProgressView::RunModal(const std::function<void()>& start) {
  if (shown_)
    shown_->RunModal(start);
  else
    start();
}

void TQuietProgressView::SetMessage(const std::string& text) {
  if (shown_) shown_->SetMessage(text);
}

void TQuietProgressView::SetFileName(const std::string& text) {
  if (shown_) shown_->SetFileName(text);
}

void TQuietProgressView::SetTotalText(const std::string& text) {
  if (shown_) shown_->SetTotalText(text);
}

void TQuietProgressView::SetCopiedText(const std::string& text) {
  if (shown_) shown_->SetCopiedText(text);
}

void TQuietProgressView::SetBar(int32_t min, int32_t max, int32_t position) {
  if (shown_) shown_->SetBar(min, max, position);
}

void TQuietProgressView::ProcessMessages() {
  if (shown_) shown_->ProcessMessages();
}

void TQuietProgressView::ShowInformation(const std::string& title, const std::string& text) {
  if (notice_) notice_(title, text);
}

}  // namespace cd
