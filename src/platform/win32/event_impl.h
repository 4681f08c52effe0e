// The handle behind a Windows NamedEvent. Internal to the Win32 layer.
#pragma once

#include <windows.h>

#include "platform/events.h"

namespace cd::os {

struct NamedEvent::Impl {
  HANDLE handle = nullptr;
};

}  // namespace cd::os
