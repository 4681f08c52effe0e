// The metadata of the outline base: no stored keys of its own.
#include "install/object_outline.h"

namespace cd {

const TClassInfo& TObjectOutline::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TObjectOutline>("TObjectOutline", &TComponent::StaticClass()).Build();
  return info;
}

}  // namespace cd
