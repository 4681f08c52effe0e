// Writing and parsing the indented text lines of an outline.
#include "outline/outline_lines.h"

#include "base/exceptions.h"
#include "outline/outline_node.h"
#include "outline/outline_tree.h"

namespace cd {

std::string OutlineLines(TOutlineTree& outline) {
  std::string text;
  const int count = outline.ItemCount();
  for (int i = 1; i <= count; ++i) {
    const TOutlineNode& node = outline.Items(i);
    text.append(static_cast<size_t>(node.Level() - 1), '\t');
    text += node.Text();
    text += "\r\n";
  }
  return text;
}

void AddOutlineLine(TOutlineTree& outline, std::string_view line) {
  const size_t indent = line.find_first_not_of("\t ");
  const int n = static_cast<int>(indent == std::string_view::npos ? line.size() : indent);
  TOutlineNode* parent = &outline.LastNode();
  const int level = parent->Level();
  if (n > level + 1) throw EOutlineError("File load error");
  for (int up = level - n; up > 0; --up) parent = parent->Parent();
  std::unique_ptr<TOutlineNode> node = outline.NewNode("");
  node->SetText(std::string(line.substr(static_cast<size_t>(n))));
  parent->AddChild(std::move(node));
}

void LoadOutlineLines(TOutlineTree& outline, std::string_view text) {
  outline.BeginUpdate();
  try {
    size_t start = 0;
    while (start < text.size()) {
      size_t end = text.find('\n', start);
      if (end == std::string_view::npos) end = text.size();
      std::string_view line = text.substr(start, end - start);
      if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
      AddOutlineLine(outline, line);
      start = end + 1;
    }
  } catch (...) {
    outline.EndUpdate();
    throw;
  }
  outline.EndUpdate();
}

}  // namespace cd
