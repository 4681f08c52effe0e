// The two-pane selector over a source of 100,000 nodes: filling both sides (a flat list and a
// deep tree), moving one leaf there and back, and moving a branch of 10,000 leaves there and
// back.
#include <benchmark/benchmark.h>

#include <memory>

#include "forms/e_oln_multi_selector.h"
#include "forms/side_node.h"
#include "forms/tag_obj.h"
#include "outline/lookup_item.h"
#include "outline/my_node.h"
#include "outline/object_outline.h"

namespace {

using namespace cd;

constexpr int kNodes = 100000;
// The deep tree: ten children a node, five levels under the root (111,110 nodes); a node of
// the first level holds 10,000 leaves.
constexpr int kFanOut = 10;
constexpr int kLevels = 5;

class BenchSelector : public TEOlnMultiSelector {
 public:
  BenchSelector() : TEOlnMultiSelector(nullptr) {}
  ~BenchSelector() override { EndEdit(); }
  TObjectOutline* CreateSideOutline(int side) override { return side == 0 ? &from : &to; }
  int ShowModal() override { return 1; }
  TObjectOutline from{nullptr};
  TObjectOutline to{nullptr};
};

TOutlineNode& Append(TOutlineNode& parent) {
  return parent.AddChild(std::make_unique<TMyNode>(nullptr));
}

void BuildDeep(TOutlineNode& parent, int level) {
  if (level > kLevels) return;
  for (int i = 0; i < kFanOut; ++i) BuildDeep(Append(parent), level + 1);
}

std::unique_ptr<TObjectOutline> Source(bool deep) {
  auto source = std::make_unique<TObjectOutline>(nullptr);
  if (deep)
    BuildDeep(source->RootNode(), 1);
  else
    for (int i = 0; i < kNodes; ++i) Append(source->RootNode());
  return source;
}

TNodeEvent Events(TObjectOutline& source) {
  return [&source](uint8_t code, TNodeEventPar* par) {
    if (code == ne_GetSourceData) par->SourceData = &source;
    if (code == ne_GetText) par->Text = par->Item->GetText();
  };
}

void BM_Populate(benchmark::State& state) {
  const auto source = Source(state.range(0) != 0);
  BenchSelector form;
  for (auto _ : state) {
    form.DoEditStart(Events(*source));
    state.PauseTiming();
    form.EndEdit();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_Populate)->ArgName("deep")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Moves the node of side 0 found by pick to side 1 and back: two moves an iteration.
template <typename Pick>
void MoveThereAndBack(benchmark::State& state, bool deep, Pick pick) {
  const auto source = Source(deep);
  BenchSelector form;
  form.DoEditStart(Events(*source));
  form.to.FullExpand();
  TOutlineNode& moved = pick(source->RootNode());
  for (auto _ : state) {
    form.RequestMove(0, *form.TagOf(moved)->SideNode(0));
    form.RequestMove(1, *form.TagOf(moved)->SideNode(1));
  }
}

// A leaf in the middle of the source.
TOutlineNode& MiddleLeaf(TOutlineNode& root) {
  TOutlineNode* node = &root;
  while (node->HasChildren()) node = &node->Child(node->ChildCount() / 2);
  return *node;
}

void BM_MoveLeaf(benchmark::State& state) {
  MoveThereAndBack(state, state.range(0) != 0, MiddleLeaf);
}
BENCHMARK(BM_MoveLeaf)->ArgName("deep")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_MoveBranchOf10000Leaves(benchmark::State& state) {
  MoveThereAndBack(state, true,
                   [](TOutlineNode& root) -> TOutlineNode& { return root.Child(kFanOut / 2); });
}
BENCHMARK(BM_MoveBranchOf10000Leaves)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
