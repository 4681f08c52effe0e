// The destination question and the hook that reaches it.
#include "runner/ask_medium_id_form.h"

#include "install/hooks.h"

namespace cd {

std::string DestinationPath(std::string_view fieldText) {
  std::string path(fieldText);
  if (!path.empty() && path.back() != '\\') path += '\\';
  return path;
}

std::string TAskMediumIdForm::Ask(const std::string& prompt, const os::DestinationCheck& check) {
  pathText_ = view_->Ask(TranslateText(prompt), pathText_, check);
  return DestinationPath(pathText_);
}

void InstallAskDestination() {
  OnAskDestination() = [](const std::string& prompt, const TDestinationCheck& check,
                          std::string& path) {
    static TAskMediumIdForm form(os::CreateDestinationView());
    path = form.Ask(prompt, check);
  };
}

void InstallUnattendedDestination(std::optional<std::string> answer) {
  OnAskDestination() = [answer](const std::string&, const TDestinationCheck&, std::string& path) {
    path = DestinationPath(answer.value_or(kInitialDestination));
  };
}

}  // namespace cd
