// The indented, numbered rows of an outline.
#include "outline/outline_rows.h"

#include "outline/my_node.h"
#include "outline/new_custom_outline.h"

namespace cd {

std::string OutlineRows(TNewCustomOutline& outline) {
  const int rows = outline.RowCount();
  const size_t width = std::to_string(rows).size();
  std::string text;
  for (int row = 0; row < rows; ++row) {
    const TOutlineNode& node = *outline.NodeAtRow(row);
    const std::string number = std::to_string(row + 1);
    text.append(width - number.size(), ' ').append(number).append(" ");
    text.append(2 * (node.Level() - 1), ' ');
    text.append(!node.HasChildren() ? "  " : node.Expanded() ? "- " : "+ ");
    const auto* myNode = dynamic_cast<const TMyNode*>(&node);
    text.append(myNode ? myNode->GetText() : node.Text()).append("\n");
  }
  return text;
}

}  // namespace cd
