// PackedName: the name of a file as it lies on the medium.
#pragma once

#include <string>
#include <string_view>

namespace cd {

// The name of a file as it lies on the medium: an extension exe, dll or bpl (letter case
// counts) gets "_" as its third character (lib\x.dll becomes lib\x.dl_); others unchanged.
std::string PackedName(std::string_view name);

}  // namespace cd
