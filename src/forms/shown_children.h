// TShownChildren: which children of one source node have a node on one side of a selector,
// counted by their position among the source node's children. A prefix count over a Fenwick
// tree, so that placing a node among thousands of siblings costs a logarithm, not a scan.
#pragma once

#include <cstdint>
#include <vector>

namespace cd {

class TShownChildren {
 public:
  // A child at position (0..size-1) gained (+1) or lost (-1) its node; size is the number
  // of children, used when the first change comes.
  void Add(int position, int delta, int size);
  // How many children before position have a node.
  int CountBefore(int position) const;

 private:
  std::vector<int32_t> tree_;  // 1-based Fenwick sums
};

}  // namespace cd
