// The outline's nodes as indented text lines: one line a node (the root left out), depth first,
// with Level minus 1 TAB characters before the text.
#pragma once

#include <string>
#include <string_view>

namespace cd {

class TOutlineTree;

// Every node's line, each ended by CR LF.
std::string OutlineLines(TOutlineTree& outline);
// A node for line, placed after the outline's last node by its count n of leading TAB or space
// characters: under the last node's ancestor of level n (the last node itself when n is its
// level or one more). Fails with EOutlineError "File load error" when n exceeds the last
// node's level by more than 1.
void AddOutlineLine(TOutlineTree& outline, std::string_view line);
// A node for each line of text (ended by CR LF or LF), within one update.
void LoadOutlineLines(TOutlineTree& outline, std::string_view text);

}  // namespace cd
