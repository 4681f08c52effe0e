// TFilesManager: stored keys and the objects it owns; at build time, keeping the items of
// one medium and putting the files onto the distribution; at install time, creation from a
// configuration, directories, look-ups, the name check, the preparation of an update and the
// update run (three passes over the items, then the end action).
#include "install/files_manager.h"

#include <algorithm>

#include "base/exceptions.h"
#include "config/config_io.h"
#include "install/file_item.h"
#include "install/file_item_index.h"
#include "install/hooks.h"
#include "install/install_manager_link.h"
#include "install/log_event.h"
#include "install/program_start.h"
#include "install/viewer_item.h"
#include "library/book_card.h"
#include "library/vok_net_carry.h"
#include "outline/object_outline.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/system_dirs.h"
#include "util/format.h"
#include "util/parallel_each.h"

namespace cd {
namespace {

constexpr const char* kBookCardGroup = "VokMnger\\Bookcard\\bookcard.grp";

// The directory texts are taken into a buffer of 255 characters.
std::string Cut255(std::string text) {
  if (text.size() > 255) text.resize(255);
  return text;
}

// The first file item that match takes, in child order, each child before its own members
// (the members of a group); nullptr when none.
template <class Match>
TFileItem* FirstItemWhere(const TFilesManager& manager, Match match) {
  for (int i = 0; i < manager.ChildCount(); ++i) {
    auto* item = dynamic_cast<TFileItem*>(manager.Child(i));
    if (!item) continue;
    if (match(*item)) return item;
    for (int j = 0; j < item->ChildCount(); ++j) {
      auto* member = dynamic_cast<TFileItem*>(item->Child(j));
      if (member && match(*member)) return member;
    }
  }
  return nullptr;
}

// Why answer cannot be the destination of item (nullptr: of no item); empty when it can.
std::string DestinationRefusal(const std::string& answer, const TFileItem* item) {
  if (os::NormalDrivePath(answer)) return std::string();
  const std::string detail = item ? Format(" for \"%s\"", {item->Path()}) : std::string();
  return Format(
      "TFilesManager.PrepareUpdate: The destination \"%s\"%s is not a folder on a drive, "
      "such as c:\\VokData",
      {answer, detail});
}

// The chosen library destination, in its normal form: the MediumId of the "_Editpla" card
// when it names a folder on a drive, otherwise the user's answer to OnAskDestination, which
// is refused unless it is one. AskPathName is part of the card's file name and a Targets name:
// it must stay inside the card folder and hold no "=".
std::string AskLibraryDestination(const TFilesManager& manager) {
  const TFilesManagerRunData& runData = manager.RunData();
  const std::string& name = runData.AskPathName();
  if (!os::IsSafeRelativeName(name) || name.find('=') != std::string::npos) {
    throw EViolationError(name);
  }
  const std::string cardName =
      Format("%sVokMnger\\bookcard\\_Editpla.%s",
             {TFilesManager::GetDirectory(kDirWindowsVok), runData.AskPathName()});
  std::string path;
  if (os::FileExists(cardName)) {
    const std::unique_ptr<TBookCard> card = TBookCard::CreateFromFile(cardName);
    // A volume label or a web address names the medium, not a folder: the user is asked.
    if (os::NormalDrivePath(card->MediumId())) path = card->MediumId();
  }
  if (path.empty() && OnAskDestination()) {
    const TFileItem* item = FirstItemWhere(
        manager, [&](const TFileItem& each) { return SameText(each.InstalTarget(), name); });
    const TDestinationCheck check = [item](const std::string& answer) {
      return DestinationRefusal(answer, item);
    };
    OnAskDestination()(runData.AskPathNameDescr(), check, path);
    if (const std::string refusal = check(path); !refusal.empty()) throw Exception(refusal);
  }
  return path.empty() ? path : *os::NormalDrivePath(path);
}

// The first child that is a selection outline; nullptr when none.
TObjectOutline* FindOutline(const TFilesManager& manager) {
  for (int i = 0; i < manager.ChildCount(); ++i)
    if (auto* outline = dynamic_cast<TObjectOutline*>(manager.Child(i))) return outline;
  return nullptr;
}

// Lets the user choose components and destroys every file item that no chosen component
// names; the library card group is always kept. The outline goes afterwards.
void SelectComponents(TFilesManager& manager, TObjectOutline* outline) {
  TStringList names;
  names.SetSorted(true);
  if (OnSelectComponents()) OnSelectComponents()(*outline, names);
  names.Add(kBookCardGroup);
  LogEvent(TLogEvent("components").Int("files", names.Count()).Str("lists", names.CommaText()));
  for (int i = manager.ChildCount() - 1; i >= 0; --i) {
    auto* item = dynamic_cast<TFileItem*>(manager.Child(i));
    if (item && names.IndexOf(item->Path()) < 0) {
      LogEvent(TLogEvent("decision")
                   .Str("item", item->Path())
                   .Str("target", "")
                   .Bool("needed", false)
                   .Str("reason", "not selected: no chosen component names it"));
      delete item;
    }
  }
  delete outline;
}

// The item's target, or empty when its name cannot make one (the failure comes at its use).
std::string TargetOrEmpty(const TFileItem& item) {
  try {
    return item.GetFileName(kFileTarget);
  } catch (const Exception&) {
    return {};
  }
}

void LogDecision(const TFileItem& item) {
  LogEvent(TLogEvent("decision")
               .Str("item", item.Path())
               .Str("target", TargetOrEmpty(item))
               .Bool("needed", item.IsNeeded())
               .Str("reason", item.Reason())
               .Int("bytes", item.DestBytes()));
}

// Every decision, each item's members before the item.
void LogDecisions(const TFilesManager& manager) {
  for (int i = 0; i < manager.ChildCount(); ++i) {
    auto* item = dynamic_cast<TFileItem*>(manager.Child(i));
    if (!item) continue;
    for (int j = 0; j < item->ChildCount(); ++j)
      if (auto* member = dynamic_cast<TFileItem*>(item->Child(j))) LogDecision(*member);
    LogDecision(*item);
  }
}

template <class Visit>
void ForEachItem(TFilesManager& manager, bool neededOnly, Visit visit) {
  for (int i = 0; i < manager.ChildCount(); ++i) {
    auto* item = dynamic_cast<TFileItem*>(manager.Child(i));
    if (item && (!neededOnly || item->IsNeeded())) visit(*item);
  }
}

}  // namespace

const TClassInfo& TFilesManager::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TFilesManager>("TFilesManager", &TEManager::StaticClass())
          .Str("PrgSubpath", &TFilesManager::prgSubpath_)
          .Collection("Viewers", [](TFilesManager& m) { return m.viewers_.get(); })
          .Object("RunData", [](TFilesManager& m) { return m.runData_.get(); })
          .Str("PrgPrefixPath", &TFilesManager::prgPrefixPath_)
          // No default: the format number is always written.
          .Int("Version", &TFilesManager::version_, std::nullopt)
          .Build();
  return info;
}

TFilesManager::TFilesManager(TComponent* owner)
    : TEManager(owner),
      viewers_(MakeCollection<TViewerItem>(this)),
      runData_(std::make_unique<TFilesManagerRunData>(this)),
      targets_(std::make_unique<TStringList>()) {}

TFilesManager::~TFilesManager() = default;

void TFilesManager::KeepListed(const TStringList& names) {
  const TFileItemIndex index(*this);
  for (const std::string& name : names.Items())
    if (TFileItem* item = index.Find(name)) item->SetNeeded(true);
  DestroyComponentsIf([](TComponent* child) {
    auto* item = dynamic_cast<TFileItem*>(child);
    return item && !item->IsNeeded();
  });
  for (int i = 0; i < ChildCount(); ++i) {
    auto* item = dynamic_cast<TFileItem*>(Child(i));
    if (!item) continue;
    for (int j = 0; j < item->ChildCount(); ++j)
      if (auto* member = dynamic_cast<TFileItem*>(item->Child(j))) member->SetNeeded(true);
  }
}

std::vector<TFileItem*> TFilesManager::FileItems() const {
  std::vector<TFileItem*> items;
  for (int i = 0; i < ChildCount(); ++i)
    if (auto* item = dynamic_cast<TFileItem*>(Child(i))) items.push_back(item);
  return items;
}

void TFilesManager::EachItemWithStep(unsigned jobs, const std::function<void(TFileItem&)>& work) {
  const std::vector<TFileItem*> items = FileItems();
  IInstallManager* installManager = GetInstallManager(*this);
  ParallelEach(
      items.size(), jobs, [&](size_t i) { work(*items[i]); },
      [&](size_t) {
        if (installManager) installManager->Step();
      });
}

void TFilesManager::StoreAllFileInfo(unsigned jobs) {
  EachItemWithStep(jobs, [](TFileItem& item) { item.StoreFileInfo(); });
}

void TFilesManager::PackAll(unsigned jobs) {
  EachItemWithStep(jobs, [jobs](TFileItem& item) { item.PackFile(jobs); });
}

std::unique_ptr<TFilesManager> TFilesManager::CreateFromStream(TStream& stream,
                                                               const std::string& configName) {
  auto manager = std::make_unique<TFilesManager>(nullptr);
  ReadObject(stream, *manager);
  if (!manager->PrgPrefixPath().empty()) {
    manager->SetPrgPath(manager->PrgPrefixPath() + manager->PrgSubpath());
  } else {
    const size_t slash = configName.find_last_of("/\\");
    const std::string folder =
        slash == std::string::npos ? configName : configName.substr(0, slash + 1);
    manager->SetPrgPath(folder + manager->PrgSubpath());
  }
  return manager;
}

std::string TFilesManager::GetDirectory(TDirectoryKind kind) {
  switch (kind) {
    case kDirWindows:
      return os::IncludeTrailingBackslash(Cut255(os::WindowsDirectory()));
    case kDirSystem:
      return os::IncludeTrailingBackslash(Cut255(os::SystemDirectory()));
    case kDirWindowsVok:
      return os::IncludeTrailingBackslash(Cut255(os::WindowsDirectory())) + "Vok\\";
    default:
      throw Exception(Format("TFilesManager.GetDirectory: Unknown kind %d", {kind}));
  }
}

TFileItem* TFilesManager::FindItem(std::string_view name) const {
  return FirstItemWhere(*this, [&](const TFileItem& item) { return SameText(item.Path(), name); });
}

void TFilesManager::CheckConsistence() {
  TEItem::CheckConsistence();
  TObjectOutline* outline = FindOutline(*this);
  if (!outline) return;
  TStringList names;
  names.SetSorted(true);
  outline->CollectFileLists(names);
  IInstallManager* installManager = GetInstallManager(*this);
  TFilesManager* files =
      installManager ? GetOrCreateObjectAs<TFilesManager>(installManager->AsList()) : this;
  files->CheckList(names);
}

void TFilesManager::CheckList(const TStringList& names) const {
  const TFileItemIndex index(*this);
  for (const std::string& name : names.Items())
    if (!index.Find(name))
      throw Exception(Format("TFilesManager.CheckList: Item \"%s\" does not exist", {name}));
}

int64_t TFilesManager::PrepareUpdate(ISetupCallBack*) {
  CheckRunCommand(RunCommand());
  if (!RunData().AskPathName().empty()) {
    const std::string path = AskLibraryDestination(*this);
    if (!path.empty()) Targets().SetValue(RunData().AskPathName(), path);
    LogEvent(TLogEvent("destination").Str("target", RunData().AskPathName()).Str("path", path));
  }
  if (TObjectOutline* outline = FindOutline(*this)) SelectComponents(*this, outline);
  // A dry run only looks whether there are settings to carry.
  const std::string settingsTarget = GetDirectory(kDirWindowsVok) + "VokNet.ini";
  const bool settingsExisted = os::FileExists(settingsTarget);
  netSettingsFound_ = planOnly_ ? os::FileExists(NetEnvirFolder(CurrentConfigName()) + "VokNet.ini")
                                : CarryNetEnvir(CurrentConfigName(), GetDirectory(kDirWindowsVok));
  if (netSettingsFound_)
    LogEvent(TLogEvent("settings")
                 .Str("target", settingsTarget)
                 .Bool("written", !planOnly_)
                 .Bool("existed", settingsExisted));

  for (int i = 0; i < ChildCount(); ++i)
    if (auto* item = dynamic_cast<TFileItem*>(Child(i))) item->CompareFile();
  LogDecisions(*this);

  // Summed in 64 bits: an update may well pass 2 GB.
  int64_t total = 0;
  for (int i = 0; i < ChildCount(); ++i) {
    auto* item = dynamic_cast<TFileItem*>(Child(i));
    if (item && item->IsNeeded()) total += item->DestBytes();
  }
  return total;
}

void TFilesManager::Update(ISetupCallBack* callback) {
  CheckRunCommand(RunCommand());
  SetCallback(callback);
  ForEachItem(*this, true, [](TFileItem& item) { item.DoUserInstall(kPhaseInstall); });
  if (callback) {
    if (TProgressProc progress = callback->GetProgressProc())
      progress(kProgressCopyDone, kProgressCopyDone, callback->GetTotals());
  }
  ForEachItem(*this, true, [](TFileItem& item) { item.DoUserInstall(kPhaseRegister); });
  ForEachItem(*this, false, [](TFileItem& item) { item.DoUserInstall(kPhaseFinish); });

  if (!MediaPlayerInstalled() && !RunCommand().empty()) {
    StartProgram(GetDirectory(kDirWindowsVok) + RunCommand());
  } else if (MediaPlayerInstalled() && callback) {
    callback->ShowRestartMessage(RunTitle());
  }
}

}  // namespace cd
