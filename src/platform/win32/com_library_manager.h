// The player's library manager over its COM ILibraryManager interface. Internal to the Win32
// layer.
#pragma once

#include <memory>

#include "platform/automation.h"
#include "platform/com.h"

namespace cd::os::win32 {

// manager holds an ILibraryManager pointer.
std::unique_ptr<LibraryManager> WrapComLibraryManager(std::unique_ptr<ComObject> manager);

}  // namespace cd::os::win32
