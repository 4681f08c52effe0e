// Element names of TRunOptions.
#include "install/run_options.h"

namespace cd {

const TEnumTypeInfo& RunOptionType() {
  static const TEnumTypeInfo info{"TRunOption", {"ro_InstallDirectX", "ro_InstallMediaPlayer"}};
  return info;
}

}  // namespace cd
