// TFileSourceValue: a data source that is a file path.
#pragma once

#include <string>

#include "library/data_source_value.h"

namespace cd {

class TFileSourceValue : public TDataSourceValue {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  const std::string& Path() const { return path_; }
  void SetPath(const std::string& v) { path_ = v; }
  bool Equals(const TDataSourceValue* other) const override;

 private:
  std::string path_;
};

}  // namespace cd
