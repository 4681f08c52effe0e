// TFileSrcStyles: how a file sourcer loads its bound file and what it does when the file is
// missing; a set held as a bit mask (element n is bit 1 << n).
#pragma once

#include <cstdint>

#include "config/prop_info.h"

namespace cd {

enum TFileSrcStyle : int {
  fss_LoadFromFile = 0,      // setting a file name loads the file
  fss_ClearBeforeSave = 1,   // the component's data is cleared before the owner saves
  fss_ErrClearData = 2,      // a missing file clears the component's data
  fss_ErrBlankFileName = 3,  // a missing file leaves the file name empty
  fss_ErrShowException = 4,  // a missing file makes loading fail with a message
};
using TFileSrcStyles = uint32_t;

const TEnumTypeInfo& FileSrcStyleType();

}  // namespace cd
