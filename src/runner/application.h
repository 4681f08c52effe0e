// The runner's application object: its title (the taskbar button's and the message boxes')
// and the standard error display that shows a failure to the user.
#pragma once

#include <exception>
#include <string>

namespace cd {

// The application title; at start the program's file name without its extension.
std::string& ApplicationTitle();

// Shows a failure's text in a message box with the error icon, titled with the application
// title. The silent abort after a user's cancel (EAbort) shows nothing.
void ShowException(const std::exception& failure);

}  // namespace cd
