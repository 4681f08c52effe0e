// Data source values: stored keys and equality.
#include "library/data_source_value.h"

#include "config/component.h"

namespace cd {

const TClassInfo& TDataSourceValue::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TDataSourceValue>("TDataSourceValue", &TPersistent::StaticClass())
          // No default: the priority is always written.
          .Int("Priority", &TDataSourceValue::priority_, std::nullopt)
          .Str("SourceDescr", &TDataSourceValue::sourceDescr_)
          .Str("DataServer", &TDataSourceValue::dataServer_)
          .Build();
  return info;
}

bool TDataSourceValue::Equals(const TDataSourceValue* other) const {
  return other && &other->ClassType() == &ClassType();
}

const TClassInfo& TFileSourceValue::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TFileSourceValue>("TFileSourceValue", &TDataSourceValue::StaticClass())
          .Str("Path", &TFileSourceValue::path_)
          .Build();
  return info;
}

bool TFileSourceValue::Equals(const TDataSourceValue* other) const {
  return TDataSourceValue::Equals(other) &&
         SameText(path_, static_cast<const TFileSourceValue*>(other)->path_);
}

const TClassInfo& TCDRomSourceValue::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TCDRomSourceValue>("TCDRomSourceValue", &TFileSourceValue::StaticClass())
          .Str("VolLab", &TCDRomSourceValue::volLab_)
          .Build();
  return info;
}

bool TCDRomSourceValue::Equals(const TDataSourceValue* other) const {
  return TFileSourceValue::Equals(other) &&
         SameText(volLab_, static_cast<const TCDRomSourceValue*>(other)->volLab_);
}

const TClassInfo& TDiscSourceValue::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TDiscSourceValue>("TDiscSourceValue", &TFileSourceValue::StaticClass())
          .Str("Drive", &TDiscSourceValue::drive_)
          .Build();
  return info;
}

bool TDiscSourceValue::Equals(const TDataSourceValue* other) const {
  return TFileSourceValue::Equals(other) &&
         SameText(drive_, static_cast<const TDiscSourceValue*>(other)->drive_);
}

}  // namespace cd
