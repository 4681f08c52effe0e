// TMultiRunForm: the application choice. Picks the viewer entry a run is for, asking the user
// only when the medium offers several.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/views.h"

namespace cd {

class TCollection;

// The command line to start after the update and the title of the run.
struct TInfoResult {
  std::string RunCommand;
  std::string RunTitle;
};

// The keys of one viewer entry (TViewerItem) that the choice uses.
struct TAppEntry {
  std::string Exe;
  std::string DataName;
  std::string Descr;
};

class TMultiRunForm {
 public:
  using Translator = std::function<std::string(const std::string&)>;

  // translate turns the descriptions into the installation language for display; without it
  // they are shown as written.
  explicit TMultiRunForm(std::unique_ptr<os::ChoiceView> view, Translator translate = {})
      : view_(std::move(view)), translate_(std::move(translate)) {}

  // The answer of a run from the command line: app, when given, names the entry instead of
  // the dialog, by its number among those offered (from 1) or by its description (as
  // written or as shown, any letter case) or its DataName; without it an unattended choice
  // takes the preselected entry.
  void SetAnswer(std::optional<std::string> app, bool unattended);

  // Entries with an empty Exe are never offered. None offered: no command, title
  // "Software Update". One: taken without a dialog. Several: the dialog, first entry
  // preselected; any close but OK raises EAbort. An answer set by SetAnswer that names no
  // entry offered fails with a message that lists them.
  void AdjustInfo(const std::vector<TAppEntry>& viewers, TInfoResult& info);
  // The same over a files manager's Viewers collection of TViewerItem.
  void AdjustInfo(const TCollection& viewers, TInfoResult& info);

  // The descriptions offered by the last AdjustInfo, in order, as written.
  const std::vector<std::string>& Apps() const { return apps_; }

 private:
  std::vector<std::string> Shown() const;
  int Answered(const std::vector<const TAppEntry*>& offered) const;

  std::unique_ptr<os::ChoiceView> view_;
  Translator translate_;
  std::vector<std::string> apps_;
  std::optional<std::string> app_;
  bool unattended_ = false;
};

}  // namespace cd
