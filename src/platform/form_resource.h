// The stored layouts of the program's own forms, built into the program: RCDATA resources
// (type 10) named after the form class on Windows, a table generated at build time on POSIX.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace cd::os {

// The binary form of the layout stored for className (letter case ignored); nullopt when
// the program has none. The bytes live as long as the program.
std::optional<std::string_view> FindFormResource(const std::string& className);

}  // namespace cd::os
