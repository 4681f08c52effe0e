// TDiscSourceValue: a data source on a disc drive.
#pragma once

#include <string>

#include "library/file_source_value.h"

namespace cd {

class TDiscSourceValue : public TFileSourceValue {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  const std::string& Drive() const { return drive_; }
  void SetDrive(const std::string& v) { drive_ = v; }
  bool Equals(const TDataSourceValue* other) const override;

 private:
  std::string drive_;
};

}  // namespace cd
