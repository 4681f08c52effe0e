// TFileItemIndex: the file items of a files manager by Path, for checking or marking long
// lists of names without searching the children once per name.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>

namespace cd {

class TFileItem;
class TFilesManager;

class TFileItemIndex {
 public:
  // Indexes the children and their members in the order FindItem searches them, so that a
  // name held by several items finds the same one FindItem would.
  explicit TFileItemIndex(const TFilesManager& manager);
  // The item whose Path equals name without regard to ASCII letter case; nullptr when none.
  TFileItem* Find(std::string_view name) const;

 private:
  std::unordered_map<std::string, TFileItem*> items_;
};

}  // namespace cd
