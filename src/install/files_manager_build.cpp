// TFilesManager at build time: keeping the items of one medium, recording file information
// and putting the files onto the distribution.
#include "install/file_item.h"
#include "install/file_item_index.h"
#include "install/files_manager.h"
#include "install/install_manager_link.h"

namespace cd {
namespace {

// Runs work on every top-level file item, one step of the install manager's loop before each.
template <class Work>
void ForEachItemWithStep(TFilesManager& manager, Work work) {
  IInstallManager* installManager = GetInstallManager(manager);
  for (int i = 0; i < manager.ChildCount(); ++i) {
    auto* item = dynamic_cast<TFileItem*>(manager.Child(i));
    if (!item) continue;
    if (installManager) installManager->Step();
    work(*item);
  }
}

}  // namespace

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

void TFilesManager::StoreAllFileInfo() {
  ForEachItemWithStep(*this, [](TFileItem& item) { item.StoreFileInfo(); });
}

void TFilesManager::PackAll() {
  ForEachItemWithStep(*this, [](TFileItem& item) { item.PackFile(); });
}

}  // namespace cd
