// Reading the plan of an update from the prepared items, without touching any target.
#include "runner/update_plan.h"

#include "base/exceptions.h"
#include "install/file_group.h"
#include "install/files_manager.h"
#include "install/hooks.h"
#include "install/libman_info_value.h"
#include "install/log_event.h"
#include "install/media_viewer_value.h"
#include "install/registration_value.h"
#include "install/run_options.h"
#include "install/version_value.h"
#include "streams/file_stream.h"
#include "streams/packed_stream.h"
#include "util/format.h"

namespace cd {
namespace {

// Whether the source of item on the medium is packed: a local source is looked at, one on
// the web is not downloaded for it.
bool PackedOnMedium(const TFileItem& item) {
  if (!item.IsLocalSource()) return false;
  try {
    TFileStream source(item.GetFileName(kFileMediumSource), os::OpenMode::Read,
                       os::ShareMode::DenyNone);
    return IsPacked(source);
  } catch (const Exception&) {
    return false;
  }
}

std::string ActionOf(const TFileItem& item, bool installsPlayer) {
  if (dynamic_cast<const TFileGroup*>(&item)) return "unpack group";
  if (dynamic_cast<const TLibmanInfoValue*>(&item)) return "card merge";
  const std::string copy = PackedOnMedium(item) ? "unpack" : "copy";
  if (dynamic_cast<const TMediaViewerValue*>(&item))
    return installsPlayer ? copy + ", media player setup" : copy;
  if (dynamic_cast<const TRegistrationValue*>(&item)) return copy + ", register (-regserver)";
  const auto* versioned = dynamic_cast<const TVersionValue*>(&item);
  if (versioned && versioned->RegisterDLL()) return copy + ", register (DllRegisterServer)";
  return copy;
}

std::string TargetOf(const TFileItem& item) {
  try {
    return item.GetFileName(kFileTarget);
  } catch (const Exception& failure) {
    return failure.Message();
  }
}

}  // namespace

TUpdatePlan::TUpdatePlan(const TFilesManager& manager) {
  const bool installsPlayer = InSet(manager.RunData().Options(), ro_InstallMediaPlayer);
  if (manager.NetSettingsFound()) {
    steps_.push_back({"settings", "", TFilesManager::GetDirectory(kDirWindowsVok) + "VokNet.ini", 0,
                      "network settings beside the installation are carried over"});
  }
  for (int i = 0; i < manager.ChildCount(); ++i) {
    const auto* item = dynamic_cast<const TFileItem*>(manager.Child(i));
    if (!item || !item->IsNeeded()) continue;
    steps_.push_back({ActionOf(*item, installsPlayer), item->Path(), TargetOf(*item),
                      item->DestBytes(), item->Reason()});
    totalBytes_ += item->DestBytes();
    if (dynamic_cast<const TMediaViewerValue*>(item) && installsPlayer) restartNeeded_ = true;
    // A group file installs every member it carries.
    for (int j = 0; j < item->ChildCount(); ++j) {
      if (const auto* member = dynamic_cast<const TFileItem*>(item->Child(j))) {
        steps_.push_back(
            {dynamic_cast<const TLibmanInfoValue*>(member) ? "card merge" : "group member",
             member->Path(), TargetOf(*member), 0, member->Reason()});
      }
    }
  }
  if (!restartNeeded_ && !manager.RunCommand().empty())
    program_ = TFilesManager::GetDirectory(kDirWindowsVok) + manager.RunCommand();
}

std::vector<std::string> TUpdatePlan::Lines() const {
  std::vector<std::string> lines{"Dry run: nothing is changed; the update would do this:"};
  for (const TPlanStep& step : steps_) {
    lines.push_back(
        Format("  %-40s %s", {step.action, step.target}) +
        (step.bytes > 0 ? Format(" (%d bytes)", {static_cast<long long>(step.bytes)}) : "") +
        (step.reason.empty() ? "" : ": " + step.reason));
  }
  lines.push_back(Format("Total: %d steps, %d bytes to copy",
                         {static_cast<int>(steps_.size()), static_cast<long long>(totalBytes_)}));
  if (restartNeeded_)
    lines.push_back("Windows would have to restart before the application runs");
  else
    lines.push_back(program_.empty() ? std::string("Nothing would be started")
                                     : "Would start: " + program_);
  return lines;
}

void TUpdatePlan::Log() const {
  for (const TPlanStep& step : steps_) {
    LogEvent(TLogEvent("plan")
                 .Str("action", step.action)
                 .Str("item", step.item)
                 .Str("target", step.target)
                 .Int("bytes", step.bytes)
                 .Str("reason", step.reason));
  }
  LogEvent(TLogEvent("plan-totals")
               .Int("steps", static_cast<int64_t>(steps_.size()))
               .Int("bytes", totalBytes_)
               .Str("program", program_)
               .Bool("restart", restartNeeded_));
}

}  // namespace cd
