// TFileList: one named list of file names; a line "@Name" stands for the file list of that
// name in the same manager.
#pragma once

#include <memory>

#include "config/string_list.h"
#include "install/e_item.h"

namespace cd {

class TFileList : public TEItem {
 public:
  explicit TFileList(TComponent* owner);
  ~TFileList() override;
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  // One entry per line: the Path of a file item, or "@" and the Name of another list.
  TStringList& Files() const { return *files_; }

 private:
  std::unique_ptr<TStringList> files_;
};

}  // namespace cd
