// The long-node hint rule.
#include "outline/long_node_hint.h"

#include "outline/colors.h"
#include "outline/my_node.h"
#include "outline/object_outline.h"
#include "outline/outline_options.h"

namespace cd {

std::optional<TNodeHint> LongNodeHint(TObjectOutline& outline, int, int y, int clientWidth) {
  if (!InSet(outline.OutlineStyles(), TOutlineStyle::os_LongNodeHint)) return std::nullopt;
  const int row = outline.RowAt(y);
  TOutlineNode* node = outline.NodeAtRow(row);
  TDrawOutlineInfo info;
  if (!node || !outline.GetDrawInfo(*node, info) || info.textRight < clientWidth)
    return std::nullopt;
  TNodeHint hint;
  const auto* myNode = dynamic_cast<const TMyNode*>(node);
  hint.text = myNode ? myNode->GetText() : node->Text();
  hint.rowTop = (row - outline.TopRow()) * outline.DefaultRowHeight();
  hint.rowBottom = hint.rowTop + outline.DefaultRowHeight();
  hint.left = info.textLeft - 3;
  hint.top = hint.rowTop - 1;
  const bool current = node == &outline.CurrentNode();
  hint.background = current ? info.currentColor : info.normalColor;
  hint.textColor = current ? kClWhite : kClBlack;
  return hint;
}

}  // namespace cd
