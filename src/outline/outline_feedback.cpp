// The hint pause and the outline's beep.
#include "outline/outline_feedback.h"

#include "platform/beep.h"

namespace cd {

int& HintPause() {
  static int pause = 500;
  return pause;
}

std::function<void()>& OnOutlineBeep() {
  static std::function<void()> hook;
  return hook;
}

void OutlineBeep() {
  if (OnOutlineBeep())
    OnOutlineBeep()();
  else
    os::Beep();
}

}  // namespace cd
