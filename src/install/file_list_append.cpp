// Append and AppendFor: the expansion of file lists, with the "@Name" lines brought in.
#include "install/file_list_append.h"

#include <algorithm>
#include <vector>

#include "base/exceptions.h"
#include "install/e_manager.h"
#include "install/file_list.h"
#include "install/file_list_manager.h"
#include "util/format.h"

namespace cd {
namespace {

// Collects the names in order; underWay holds the names of the lists whose expansion is in
// progress.
void AppendLines(const TFileListManager* manager, const std::string& listName,
                 const TStringList& lines, std::vector<std::string>& names,
                 std::vector<std::string>& underWay) {
  for (const std::string& line : lines.Items()) {
    if (line.empty() || line[0] != '@') {
      names.push_back(line);
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
  std::vector<std::string> found;
  AppendLines(manager, list.Name(), lines, found, underWay);
  names.AddAll(found);
}

void AppendFor(const TFileListManager& manager, const std::string& listName,
               const TStringList& lines, TStringList& names) {
  // Not a list of the manager: its name is only for messages and cannot be referenced.
  std::vector<std::string> underWay;
  std::vector<std::string> found;
  AppendLines(&manager, listName, lines, found, underWay);
  names.AddAll(found);
}

}  // namespace cd
