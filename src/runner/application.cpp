// The runner's application title and standard error display.
#include "runner/application.h"

#include "base/exceptions.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/paths.h"

namespace cd {

std::string& ApplicationTitle() {
  static std::string title = os::ChangeFileExt(os::ExtractFileName(os::ProgramPath()), "");
  return title;
}

void ShowException(const std::exception& failure) {
  if (dynamic_cast<const EAbort*>(&failure) != nullptr) return;
  os::ShowMessageBox(failure.what(), ApplicationTitle(), os::MessageButtons::Ok,
                     os::MessageIcon::Error);
}

}  // namespace cd
