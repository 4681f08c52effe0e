// The terminal's bell, on the error output so that no output of a program is changed.
#include "platform/beep.h"

#include <unistd.h>

namespace cd::os {

void Beep() {
  if (isatty(STDERR_FILENO)) (void)!write(STDERR_FILENO, "\a", 1);
}

}  // namespace cd::os
