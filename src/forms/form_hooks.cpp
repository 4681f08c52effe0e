// The process-wide hooks of the base form.
#include "forms/form_hooks.h"

#include "platform/dialogs.h"
#include "platform/form_resource.h"

namespace cd {

TFormShownHook& OnFormShown() {
  static TFormShownHook hook;
  return hook;
}

TFormMessageHook& OnFormMessage() {
  static TFormMessageHook hook;
  return hook;
}

void ShowFormMessage(const std::string& text) {
  if (OnFormMessage())
    OnFormMessage()(text);
  else
    os::ShowMessageBox(text, "", os::MessageButtons::Ok, os::MessageIcon::Warning);
}

TFormResourceSource& FormResourceSource() {
  static TFormResourceSource source = os::FindFormResource;
  return source;
}

}  // namespace cd
