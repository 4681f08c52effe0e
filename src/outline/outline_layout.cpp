// The default row layout.
#include "outline/outline_layout.h"

#include "outline/colors.h"
#include "outline/new_custom_outline.h"

namespace cd {

int IndentUnits(const TNewCustomOutline& outline, const TOutlineNode& node) {
  const bool root = InSet(outline.Options(), TOutlineOption::ooDrawTreeRoot);
  return node.Level() - 1 + (root ? 1 : 0);
}

TDrawOutlineInfo DefaultDrawInfo(const TNewCustomOutline& outline, const TOutlineNode& node,
                                 int textWidth) {
  const int unit = outline.DefaultRowHeight();
  const int units = IndentUnits(outline, node);
  TDrawOutlineInfo info;
  if (units > 0 && node.HasChildren()) {
    info.expanderLeft = (units - 1) * unit;
    info.expanderRight = units * unit - 1;
  }
  info.textLeft = (units + 1) * unit + 2;
  info.textRight = info.textLeft + textWidth;
  info.normalColor = outline.Color();
  info.currentColor = kClHighlight;
  return info;
}

}  // namespace cd
