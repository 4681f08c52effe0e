// The application choice over the viewer entries of a configuration.
#include "runner/multi_run_form.h"

#include "base/exceptions.h"
#include "config/collection.h"
#include "config/component.h"
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
  if (offered.empty() && !app_) return;

  int chosen = 0;
  if (app_) {
    chosen = Answered(offered);
  } else if (offered.size() > 1 && !unattended_) {
    chosen = view_->Choose(Shown(), 0);
    // An OK without a selected entry cannot name an application; it ends the run like Cancel.
    if (chosen < 0 || chosen >= static_cast<int>(offered.size())) throw EAbort();
  }
  const TAppEntry& item = *offered[static_cast<size_t>(chosen)];
  info.RunCommand = Format("%s %s", {item.Exe, item.DataName});
  info.RunTitle = item.Descr;
}

void TMultiRunForm::SetAnswer(std::optional<std::string> app, bool unattended) {
  app_ = std::move(app);
  unattended_ = unattended;
}

int TMultiRunForm::Answered(const std::vector<const TAppEntry*>& offered) const {
  const std::string& app = *app_;
  const std::vector<std::string> shown = Shown();
  if (!app.empty() && app.find_first_not_of("0123456789") == std::string::npos) {
    const size_t number = app.size() < 10 ? std::stoul(app) : 0;
    if (number >= 1 && number <= offered.size()) return static_cast<int>(number - 1);
  } else {
    for (size_t i = 0; i < offered.size(); ++i) {
      if (SameText(app, offered[i]->Descr) || SameText(app, shown[i]) ||
          SameText(app, offered[i]->DataName))
        return static_cast<int>(i);
    }
  }
  std::string known;
  for (size_t i = 0; i < shown.size(); ++i)
    known += Format("%s%d \"%s\"", {i == 0 ? "" : ", ", static_cast<int>(i + 1), shown[i]});
  throw Exception(Format("TMultiRunForm.AdjustInfo: Unknown application \"%s\"; %s",
                         {app, known.empty() ? std::string("the configuration offers none")
                                             : "the applications are " + known}));
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
