// Message boxes and the single-instance test. On POSIX a message box is a line on stderr and
// top-level windows are stood in for by locked marker files (see ClassWindow).
#pragma once

#include <memory>
#include <string>

namespace cd::os {

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageIcon { None, Error, Warning, Information, Question };
// The values of MessageBoxA's answers.
enum class MessageAnswer { Ok = 1, Cancel = 2, Yes = 6, No = 7 };

// Shows text in a message box titled caption (MessageBoxA, task-modal). POSIX: writes
// "caption: text" to stderr and answers with the first button (Ok or Yes).
MessageAnswer ShowMessageBox(const std::string& text, const std::string& caption,
                             MessageButtons buttons = MessageButtons::Ok,
                             MessageIcon icon = MessageIcon::None);

// Whether a top-level window of the class exists (FindWindowA with any title). POSIX: whether
// a live process holds a ClassWindow of that class (letter case ignored, as for classes).
bool TopLevelWindowExists(const std::string& className);

// A hidden top-level window of a class, alive as long as the object, so that
// TopLevelWindowExists finds it (in this and other processes). POSIX: a file
// "<drive map root>/window-classes/<class>.lock" held under a shared lock.
class ClassWindow {
 public:
  explicit ClassWindow(const std::string& className);
  ~ClassWindow();
  ClassWindow(const ClassWindow&) = delete;
  ClassWindow& operator=(const ClassWindow&) = delete;

  struct Impl;

 private:
  std::unique_ptr<Impl> impl_;
};

}  // namespace cd::os
