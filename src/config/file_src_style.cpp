// Element names of TFileSrcStyles.
#include "config/file_src_style.h"

namespace cd {

const TEnumTypeInfo& FileSrcStyleType() {
  static const TEnumTypeInfo info{"TFileSrcStyle",
                                  {"fss_LoadFromFile", "fss_ClearBeforeSave", "fss_ErrClearData",
                                   "fss_ErrBlankFileName", "fss_ErrShowException"}};
  return info;
}

}  // namespace cd
