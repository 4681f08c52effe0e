// The outline's visible rows as text: the console views list a tree this way, and the
// selection chooser lists both of its sides.
#pragma once

#include <string>

namespace cd {

class TNewCustomOutline;

// One line for each visible row: its number counting from 1 (right-aligned), two spaces for
// each level below the top, "+ " for a collapsed node with children, "- " for an expanded one,
// two spaces for a leaf, then the text in the display language; each line ends with "\n".
std::string OutlineRows(TNewCustomOutline& outline);

}  // namespace cd
