// Where the default drawing puts a row's parts: tree lines in units of DefaultRowHeight (a node
// of level n gets n - 1 units, one more with ooDrawTreeRoot), the last of them the expander
// area of a node with children, then the picture one unit wide, then the text.
#pragma once

#include "outline/draw_outline_info.h"

namespace cd {

class TNewCustomOutline;
class TOutlineNode;

int IndentUnits(const TNewCustomOutline& outline, const TOutlineNode& node);
// The drawing information of the default drawing for node, whose text is textWidth pixels
// wide; the expander area is empty for a node without a line unit. A view assigns it as the
// drawing information handler when it draws the rows itself.
TDrawOutlineInfo DefaultDrawInfo(const TNewCustomOutline& outline, const TOutlineNode& node,
                                 int textWidth);

}  // namespace cd
