// TFileListManager: the managing item that holds the named file lists (TFileList children).
#pragma once

#include <string>
#include <string_view>

#include "install/e_item.h"

namespace cd {

class TFileList;
class TStringList;

class TFileListManager : public TEManager {
 public:
  explicit TFileListManager(TComponent* owner) : TEManager(owner) {}
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  // The child list named name without regard to letter case; nullptr when none.
  TFileList* FindList(std::string_view name) const;
  // Every list expanded, then every name checked against the install manager's files manager.
  void CheckConsistence() override;
};

// Expands lines on behalf of list into names (a sorted list ignoring duplicates): "@Name"
// lines bring in the lines of that list of the same manager. Fails with
// "TFileList.Append: Circular reference in \"%s\"" or
// "TFileList.Append: Item \"@%s\" in \"%s\" does not exist".
void Append(const TFileList& list, const TStringList& lines, TStringList& names);
// The same expansion for lines that are not one of manager's lists (a medium's Files);
// listName only names them in the messages.
void AppendFor(const TFileListManager& manager, const std::string& listName,
               const TStringList& lines, TStringList& names);

}  // namespace cd
