// The outline's node bookkeeping at 100,000 nodes: building a flat list and a deep tree by
// appends, node by index and index of node, and expanding and collapsing a node with more than
// 10,000 descendants.
#include <benchmark/benchmark.h>

#include <memory>
#include <random>

#include "outline/my_node.h"
#include "outline/outline_tree.h"

namespace {

using namespace cd;

constexpr int kNodes = 100000;
// The deep tree: ten children a node, five levels under the root (111,110 nodes).
constexpr int kFanOut = 10;
constexpr int kLevels = 5;

TOutlineNode& Append(TOutlineNode& parent) {
  return parent.AddChild(std::make_unique<TMyNode>(nullptr));
}

void BuildFlat(TOutlineTree& outline) {
  TOutlineNode& root = outline.RootNode();
  for (int i = 0; i < kNodes; ++i) Append(root);
}

void BuildDeep(TOutlineNode& parent, int level) {
  if (level > kLevels) return;
  for (int i = 0; i < kFanOut; ++i) BuildDeep(Append(parent), level + 1);
}

// Each append is followed by the new node's index, as a control selecting it would ask.
void BM_AppendFlat(benchmark::State& state) {
  for (auto _ : state) {
    TOutlineTree outline(nullptr);
    TOutlineNode& root = outline.RootNode();
    for (int i = 0; i < kNodes; ++i) benchmark::DoNotOptimize(Append(root).Index());
  }
}
BENCHMARK(BM_AppendFlat)->Unit(benchmark::kMillisecond);

void BM_AppendDeep(benchmark::State& state) {
  for (auto _ : state) {
    TOutlineTree outline(nullptr);
    BuildDeep(outline.RootNode(), 1);
    benchmark::DoNotOptimize(outline.ItemCount());
  }
}
BENCHMARK(BM_AppendDeep)->Unit(benchmark::kMillisecond);

// Node by index and its index back, at random positions of the deep tree.
void BM_NodeByIndex(benchmark::State& state) {
  TOutlineTree outline(nullptr);
  BuildDeep(outline.RootNode(), 1);
  std::mt19937 random(1);
  const int count = outline.ItemCount();
  for (auto _ : state) {
    TOutlineNode& node = outline.Items(1 + static_cast<int>(random() % count));
    benchmark::DoNotOptimize(node.Index());
  }
}
BENCHMARK(BM_NodeByIndex)->Unit(benchmark::kMicrosecond);

// A node inserted at the front of the flat list, then the last node by index: the order is
// rebuilt once for the question (the plain rule renumbers every later node at each insert).
void BM_InsertFrontThenIndex(benchmark::State& state) {
  TOutlineTree outline(nullptr);
  BuildFlat(outline);
  TOutlineNode& root = outline.RootNode();
  for (auto _ : state) {
    root.InsertChild(0, std::make_unique<TMyNode>(nullptr));
    benchmark::DoNotOptimize(outline.Items(outline.ItemCount()).Index());
    root.Delete(0);
  }
}
BENCHMARK(BM_InsertFrontThenIndex)->Unit(benchmark::kMillisecond);

// A top-level node of the deep tree (11,110 descendants), fully expanded and collapsed again.
void BM_FullExpandCollapse(benchmark::State& state) {
  TOutlineTree outline(nullptr);
  BuildDeep(outline.RootNode(), 1);
  TOutlineNode& top = outline.RootNode().Child(0);
  for (auto _ : state) {
    top.FullExpand();
    top.SetExpanded(false);
  }
  top.FullExpand();
  state.counters["rows"] = top.ExpandedCount();
}
BENCHMARK(BM_FullExpandCollapse)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
