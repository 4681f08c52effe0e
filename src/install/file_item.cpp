// TFileItem: stored keys and the names derived from its path.
#include "install/file_item.h"

namespace cd {

const TClassInfo& TFileItem::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TFileItem>("TFileItem", &TEItem::StaticClass())
          .Str("Path", &TFileItem::path_)
          .Str("InstalTarget", &TFileItem::instalTarget_)
          .Int("DestSize", &TFileItem::destSize_)
          .Set("Flags", &TFileItem::flags_, FileFlagType())
          .Build();
  return info;
}

TFileItem::TFileItem(TComponent* owner) : TEItem(owner) {}

TFileItem::TFileItem(TComponent* owner, const std::string& path) : TEItem(owner), path_(path) {}

std::string TFileItem::SourceName() const {
  size_t eq = path_.find('=');
  return eq == std::string::npos ? path_ : path_.substr(0, eq);
}

std::string TFileItem::DestName() const {
  size_t eq = path_.find('=');
  return eq == std::string::npos ? path_ : path_.substr(eq + 1);
}

bool TFileItem::IsNeeded() const {
  if (needed_) return true;
  for (int i = 0; i < ChildCount(); ++i) {
    const auto* member = dynamic_cast<const TFileItem*>(Child(i));
    if (member && member->IsNeeded()) return true;
  }
  return false;
}

std::string PackedName(std::string_view name) {
  // The extension starts after the last dot that follows the last path delimiter.
  size_t dot = name.find_last_of(".\\/:");
  if (dot == std::string_view::npos || name[dot] != '.') return std::string(name);
  std::string_view ext = name.substr(dot + 1);
  if (ext != "exe" && ext != "dll" && ext != "bpl") return std::string(name);
  std::string result(name);
  result[dot + 3] = '_';
  return result;
}

}  // namespace cd
