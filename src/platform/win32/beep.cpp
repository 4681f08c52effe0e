// The default system sound.
#include "platform/beep.h"

#include <windows.h>

namespace cd::os {

void Beep() {
  ::MessageBeep(MB_OK);
}

}  // namespace cd::os
