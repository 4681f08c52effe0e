// The index of a files manager's items by their upper-cased Path.
#include "install/file_item_index.h"

#include "install/file_item.h"
#include "install/files_manager.h"

namespace cd {
namespace {

std::string UpperAscii(std::string_view text) {
  std::string key(text);
  for (char& c : key)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return key;
}

}  // namespace

TFileItemIndex::TFileItemIndex(const TFilesManager& manager) {
  items_.reserve(static_cast<size_t>(manager.ChildCount()));
  for (int i = 0; i < manager.ChildCount(); ++i) {
    auto* item = dynamic_cast<TFileItem*>(manager.Child(i));
    if (!item) continue;
    // emplace keeps the first item entered under a name.
    items_.emplace(UpperAscii(item->Path()), item);
    for (int j = 0; j < item->ChildCount(); ++j)
      if (auto* member = dynamic_cast<TFileItem*>(item->Child(j)))
        items_.emplace(UpperAscii(member->Path()), member);
  }
}

TFileItem* TFileItemIndex::Find(std::string_view name) const {
  const auto it = items_.find(UpperAscii(name));
  return it == items_.end() ? nullptr : it->second;
}

}  // namespace cd
