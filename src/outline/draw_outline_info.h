// What a drawing information handler fills for a node, and the draw state given to a node
// drawing handler.
#pragma once

#include <cstdint>

namespace cd {

// Edges in pixels from the left of the row; colours as stored colours hold them.
struct TDrawOutlineInfo {
  int expanderLeft = 0;
  int expanderRight = -1;
  int textLeft = 0;
  int textRight = 0;
  int32_t normalColor = 0;
  int32_t currentColor = 0;
};

// Draw state bits: the node's row is the current row, the node is hovered, the control has the
// keyboard focus.
inline constexpr uint32_t kDrawCurrent = 1u << 0;
inline constexpr uint32_t kDrawHover = 1u << 1;
inline constexpr uint32_t kDrawFocused = 1u << 4;

}  // namespace cd
