// TSelInstNode: a node of a selection outline that stands for one component: FileList names
// the file items (their Paths) that the component installs.
#pragma once

#include <memory>

#include "config/string_list.h"
#include "outline/file_list_carrier.h"
#include "outline/my_node.h"

namespace cd {

class TSelInstNode : public TMyNode, public IFileListCarrier {
 public:
  explicit TSelInstNode(TComponent* owner);
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  const TStringList& FileList() const override { return *fileList_; }
  TStringList& FileList() { return *fileList_; }

 private:
  std::unique_ptr<TStringList> fileList_;
};

}  // namespace cd
