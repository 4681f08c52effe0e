// File list expansion and the consistency check of the file-list manager.
#include <algorithm>
#include <vector>

#include "install/file_list.h"
#include "install/file_list_manager.h"
#include "install/files_manager.h"
#include "install/install_manager_link.h"
#include "util/exceptions.h"
#include "util/format.h"

namespace cd {
namespace {

void AppendLines(const TFileList& list, const TStringList& lines, TStringList& names,
                 std::vector<const TFileList*>& underWay) {
  for (const std::string& line : lines.Items()) {
    if (line.empty() || line[0] != '@') {
      names.Add(line);
      continue;
    }
    const std::string ref = line.substr(1);
    const bool circular = std::any_of(underWay.begin(), underWay.end(),
                                      [&](const TFileList* l) { return SameText(l->Name(), ref); });
    if (circular)
      throw Exception(Format("TFileList.Append: Circular reference in \"%s\"", {list.Name()}));
    auto* manager = dynamic_cast<TFileListManager*>(GetManager(const_cast<TFileList*>(&list)));
    const TFileList* sub = manager ? manager->FindList(ref) : nullptr;
    if (!sub)
      throw Exception(
          Format("TFileList.Append: Item \"@%s\" in \"%s\" does not exist", {ref, list.Name()}));
    underWay.push_back(sub);
    AppendLines(list, sub->Files(), names, underWay);
    underWay.pop_back();
  }
}

}  // namespace

void Append(const TFileList& list, const TStringList& lines, TStringList& names) {
  std::vector<const TFileList*> underWay{&list};
  AppendLines(list, lines, names, underWay);
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
  IInstallManager* installManager = GetInstallManager(*this);
  if (!installManager) return;
  auto* files = dynamic_cast<TFilesManager*>(GetObject(installManager->AsList(), "", &TFilesManager::StaticClass()));
  if (files) files->CheckList(names);
}

}  // namespace cd
