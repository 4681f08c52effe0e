// TCDRomSourceValue: a data source on a CD-ROM, found by its volume label.
#pragma once

#include <string>

#include "library/file_source_value.h"

namespace cd {

class TCDRomSourceValue : public TFileSourceValue {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  // Volume label of the CD-ROM.
  const std::string& VolLab() const { return volLab_; }
  void SetVolLab(const std::string& v) { volLab_ = v; }
  bool Equals(const TDataSourceValue* other) const override;

 private:
  std::string volLab_;
};

}  // namespace cd
