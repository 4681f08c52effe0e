// File list expansion and the consistency check of the file-list manager.
#include <algorithm>
#include <vector>

#include "base/exceptions.h"
#include "install/file_list.h"
#include "install/file_list_manager.h"
#include "install/files_manager.h"
#include "install/install_manager_link.h"
#include "util/format.h"

namespace cd {
namespace {

// underWay holds the names of the lists whose expansion is in progress.
void AppendLines(const TFileListManager* manager, const std::string& listName,
                 const TStringList& lines, TStringList& names, std::vector<std::string>& underWay) {
  for (const std::string& line : lines.Items()) {
    if (line.empty() || line[0] != '@') {
      names.Add(line);
      continue;
    }
    const std::string ref = line.substr(1);
    const bool circular = std::any_of(underWay.begin(), underWay.end(),
                                      [&](const std::string& n) { return SameText(n, ref); });
    if (circular)
      throw Exception(Format("TFileList.Append: Circular reference in \"%s\"", {listName}));
    const TFileList* sub = manager ? manager->FindList(ref) : nullptr;
    if (!sub)
      throw Exception(
          Format("TFileList.Append: Item \"@%s\" in \"%s\" does not exist", {ref, listName}));
    underWay.push_back(sub->Name());
    AppendLines(manager, listName, sub->Files(), names, underWay);
    underWay.pop_back();
  }
}

}  // namespace

void Append(const TFileList& list, const TStringList& lines, TStringList& names) {
  auto* manager = dynamic_cast<TFileListManager*>(GetManager(const_cast<TFileList*>(&list)));
  std::vector<std::string> underWay{list.Name()};
  AppendLines(manager, list.Name(), lines, names, underWay);
}

void AppendFor(const TFileListManager& manager, const std::string& listName,
               const TStringList& lines, TStringList& names) {
  // Not a list of the manager: its name is only for messages and cannot be referenced.
  std::vector<std::string> underWay;
  AppendLines(&manager, listName, lines, names, underWay);
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
