// The text form of win.ini: "[section]" lines and "name=value" lines. Portable; reading never
// fails, whatever the input.
#pragma once

#include <string>
#include <string_view>

#include "platform/sectioned_text.h"

namespace cd::os {

// Reads "[section]" lines and "name=value" lines, blanks around names and values trimmed;
// the first of several equal names counts. Comment lines (";"), lines without "=" and entries
// before the first section are skipped.
SectionedText ParseIniText(std::string_view text);

// Writes every section and entry as lines ending in CR LF.
std::string FormatIniText(const SectionedText& values);

// A stored value as GetProfileStringA returns it: one pair of matching quotes ("" or '')
// around the whole value is removed.
std::string UnquoteIniValue(const std::string& value);
// The form in which a value is stored so that UnquoteIniValue gives it back: quoted when it
// has blanks at an end or is itself enclosed in quotes, else unchanged.
std::string QuoteIniValue(const std::string& value);

// Whether a section, name or value can be stored: no line breaks anywhere; sections and
// names without blanks at either end; no "]" in sections; no "=" or leading "[" or ";" in
// names, which are not empty.
bool IsStorableIniSection(std::string_view section);
bool IsStorableIniName(std::string_view name);
bool IsStorableIniValue(std::string_view value);

}  // namespace cd::os
