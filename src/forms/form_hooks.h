// What the base form asks of the program: the hook called each time a form is shown, and
// how a form's message reaches the user.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace cd {

class TQXForm;

// Called by FormShow after the notifications; empty means none.
using TFormShownHook = std::function<void(TQXForm& form)>;
TFormShownHook& OnFormShown();

// Shows a form's message; when unset, a message box.
using TFormMessageHook = std::function<void(const std::string& text)>;
TFormMessageHook& OnFormMessage();
void ShowFormMessage(const std::string& text);

// Where the stored layout of a form class comes from when no stored form file is being read:
// the program's form resources (os::FindFormResource) unless a test puts another source here.
using TFormResourceSource =
    std::function<std::optional<std::string_view>(const std::string& className)>;
TFormResourceSource& FormResourceSource();

}  // namespace cd
