// The application choice over the viewer entries of a configuration.
#include "runner/multi_run_form.h"

#include "base/exceptions.h"
#include "config/collection.h"
#include "install/viewer_item.h"
#include "util/format.h"

namespace cd {

void TMultiRunForm::AdjustInfo(const std::vector<TAppEntry>& viewers, TInfoResult& info) {
  apps_.clear();
  std::vector<const TAppEntry*> offered;
  for (const TAppEntry& entry : viewers) {
    if (entry.Exe.empty()) continue;
    apps_.push_back(entry.Descr);
    offered.push_back(&entry);
  }
  info.RunCommand.clear();
  info.RunTitle = "Software Update";
  if (offered.empty()) return;

  int chosen = 0;
  if (offered.size() > 1) {
    chosen = view_->Choose(Shown(), 0);
    // An OK without a selected entry cannot name an application; it ends the run like Cancel.
    if (chosen < 0 || chosen >= static_cast<int>(offered.size())) throw EAbort();
  }
  const TAppEntry& item = *offered[static_cast<size_t>(chosen)];
  info.RunCommand = Format("%s %s", {item.Exe, item.DataName});
  info.RunTitle = item.Descr;
}

std::vector<std::string> TMultiRunForm::Shown() const {
  if (!translate_) return apps_;
  std::vector<std::string> shown;
  for (const std::string& descr : apps_) shown.push_back(translate_(descr));
  return shown;
}

void TMultiRunForm::AdjustInfo(const TCollection& viewers, TInfoResult& info) {
  std::vector<TAppEntry> entries;
  for (int i = 0; i < viewers.Count(); ++i) {
    const auto& item = dynamic_cast<const TViewerItem&>(*viewers.Items(i));
    entries.push_back({item.Exe(), item.DataName(), item.Descr()});
  }
  AdjustInfo(entries, info);
}

}  // namespace cd
