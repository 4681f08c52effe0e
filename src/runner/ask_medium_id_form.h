// TAskMediumIdForm: the destination question behind the OnAskDestination hook. The form is
// made once and keeps its field's text between questions.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/views.h"

namespace cd {

// The text the destination field holds when the form is first shown.
inline constexpr const char* kInitialDestination = "c:\\VokData";

class TAskMediumIdForm {
 public:
  explicit TAskMediumIdForm(std::unique_ptr<os::DestinationView> view) : view_(std::move(view)) {}

  // Shows prompt in the installation language (the engine passes it untranslated), takes the
  // field's text that check accepts however the dialog closes, and returns it as a directory:
  // with a trailing "\" added when missing; empty stays empty.
  std::string Ask(const std::string& prompt, const os::DestinationCheck& check);

  const std::string& PathText() const { return pathText_; }

 private:
  std::unique_ptr<os::DestinationView> view_;
  std::string pathText_ = kInitialDestination;
};

// The field's text as a directory name: "" stays "", otherwise ends with exactly the "\" it
// had or one added.
std::string DestinationPath(std::string_view fieldText);

// Sets OnAskDestination to a form with this platform's view, made on first question.
void InstallAskDestination();
// Sets OnAskDestination to answer without a dialog: answer, or the form's initial text when
// there is none, as a directory (a trailing "\" added). An answer that the question's check
// refuses is not asked again: the engine fails the run with the check's message.
void InstallUnattendedDestination(std::optional<std::string> answer);

}  // namespace cd
