// Small operations on Windows file names: extension removal, title, extension without dot.
#pragma once

#include <string>
#include <string_view>

namespace cd {

// Everything before the last "." of the whole name (a "." in a folder name counts too);
// the name unchanged when it has none.
std::string RemoveExtension(std::string_view name);

// The last path component (after dropping one trailing backslash) cut before its first ".":
// "C:\x\a.b.c" gives "a", "C:\x\sub\" gives "sub".
std::string FileTitle(std::string_view name);

// The extension of the last path component without its ".", empty when there is none.
std::string ExtensionNoDot(std::string_view name);

}  // namespace cd
