// Drawing the build's progress as one line on standard error.
#include "progress_bar.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "install/file_item.h"
#include "install/files_manager.h"
#include "media/run_cdrom.h"
#include "runner/install_manager.h"

namespace cd::build {
namespace {

constexpr int kWidth = 40;

// Steps of an install manager's build, counted at its first step: that one, one per
// library card, and two per file item (its information, then its packing), the card group
// counting as one more item when there are cards.
int StepsOfBuild(TInstallManager& manager) {
  TRunCDRom* medium = manager.CDRom();
  if (!medium) return 0;
  auto* files = GetOrCreateObjectAs<TFilesManager>(manager);
  int items = 0;
  for (int i = 0; i < files->ChildCount(); ++i)
    if (dynamic_cast<TFileItem*>(files->Child(i))) ++items;
  const int cards = medium->Instances().Count();
  return 1 + cards + 2 * (items + (cards > 0 ? 1 : 0));
}

}  // namespace

void ProgressBar::Notify(TConvertFilter& filter) {
  if (done_ == 0)
    if (auto* manager = dynamic_cast<TInstallManager*>(&filter)) total_ = StepsOfBuild(*manager);
  ++done_;
  Draw();
}

void ProgressBar::Draw() const {
  const int total = std::max(total_, done_);
  const int filled = total ? done_ * kWidth / total : kWidth;
  const std::string bar = std::string(filled, '#') + std::string(kWidth - filled, '.');
  std::fprintf(stderr, "\r[%s] %d/%d", bar.c_str(), done_, total);
  std::fflush(stderr);
}

void ProgressBar::Finish() {
  if (done_ > 0) std::fputc('\n', stderr);
}

}  // namespace cd::build
