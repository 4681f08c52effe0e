// TDataSourceValue: stored keys and equality.
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

}  // namespace cd
