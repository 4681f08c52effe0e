// TRunOptions: the extra installations a run configuration or a viewer asks for, a set of
// two elements held as a bit mask (element n is bit 1 << n).
#pragma once

#include <cstdint>

#include "config/prop_info.h"

namespace cd {

enum TRunOption : int { ro_InstallDirectX = 0, ro_InstallMediaPlayer = 1 };
using TRunOptions = uint32_t;

const TEnumTypeInfo& RunOptionType();

}  // namespace cd
