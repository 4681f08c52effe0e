// TFileListManager: class metadata (no keys of its own), the look-up of a list by name and
// the consistency check of every list.
#include "install/file_list_manager.h"

#include "install/file_list.h"
#include "install/file_list_append.h"
#include "install/files_manager.h"
#include "install/install_manager_link.h"
#include "util/format.h"

namespace cd {

const TClassInfo& TFileListManager::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TFileListManager>("TFileListManager", &TEManager::StaticClass()).Build();
  return info;
}

TFileList* TFileListManager::FindList(std::string_view name) const {
  for (int i = 0; i < ChildCount(); ++i) {
    auto* list = dynamic_cast<TFileList*>(Child(i));
    if (list && SameText(list->Name(), name)) return list;
  }
  return nullptr;
}

void TFileListManager::CheckConsistence() {
  TEItem::CheckConsistence();
  TStringList names;
  names.SetSorted(true);
  for (int i = 0; i < ChildCount(); ++i)
    if (auto* list = dynamic_cast<TFileList*>(Child(i))) Append(*list, list->Files(), names);
  // Without an install manager there is no files manager to hold the names; an install
  // manager without file items gets an empty one, so that every listed name is missing.
  IInstallManager* installManager = GetInstallManager(*this);
  if (!installManager) return;
  GetOrCreateObjectAs<TFilesManager>(installManager->AsList())->CheckList(names);
}

}  // namespace cd
