// TFileSourceValue: stored keys and equality.
#include "library/file_source_value.h"

#include "config/component.h"

namespace cd {

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

}  // namespace cd
