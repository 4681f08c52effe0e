// The hint for a node too long for its row: shown at once over the row, so that the user
// reads the whole text where it is cut.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace cd {

class TObjectOutline;

struct TNodeHint {
  std::string text;
  // The hint's top left corner and the row it stays within, in the control's pixels.
  int left = 0;
  int top = 0;
  int rowTop = 0;
  int rowBottom = 0;
  int32_t background = 0;
  int32_t textColor = 0;
  // The hint window closes by itself after this many milliseconds.
  static constexpr int kHideTimeout = 10000;
};

// For the node under the mouse at (x, y) of an outline with os_LongNodeHint and a drawing
// information handler: a hint when the text's right edge reaches clientWidth, with the node's
// text, placed at the row's top left moved right by the text's left edge minus 3 and up by 1,
// on the normal-row colour with black text, or on the current-row colour with white text for
// the current node. None otherwise.
std::optional<TNodeHint> LongNodeHint(TObjectOutline& outline, int x, int y, int clientWidth);

}  // namespace cd
