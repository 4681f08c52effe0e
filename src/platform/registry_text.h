// The text form of the POSIX registry file: a "[ROOT\key\path]" line opens a key and
// "name"="value" lines (@="value" for the default value) hold its string values. Portable;
// reading never fails, whatever the input: malformed lines are skipped.
//
// In key lines the bytes "%", "[", "]", '"' and control bytes are written as %XX; in values
// and names "\" and '"' are written as \\ and \" and control bytes as \xHH.
#pragma once

#include <string>
#include <string_view>

#include "platform/sectioned_text.h"

namespace cd::os {

// Sections are the key paths, values are the key's string values by name ("" the default).
SectionedText ParseRegistryText(std::string_view text);
std::string FormatRegistryText(const SectionedText& keys);

// A key path without empty components ("Software\\X\\" and "\\Software\\X" give "Software\\X").
std::string NormalKeyPath(std::string_view path);

}  // namespace cd::os
