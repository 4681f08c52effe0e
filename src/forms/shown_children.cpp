// TShownChildren: Fenwick sums over child positions.
#include "forms/shown_children.h"

#include <cstddef>

namespace cd {

void TShownChildren::Add(int position, int delta, int size) {
  if (tree_.empty()) tree_.assign(static_cast<size_t>(size) + 1, 0);
  const int count = static_cast<int>(tree_.size());
  for (int i = position + 1; i < count; i += i & -i) tree_[i] += delta;
}

int TShownChildren::CountBefore(int position) const {
  int sum = 0;
  if (tree_.empty()) return 0;
  for (int i = position; i > 0; i -= i & -i) sum += tree_[i];
  return sum;
}

}  // namespace cd
