// How a label or panel places its caption: taLeftJustify, taRightJustify, taCenter.
#pragma once

#include "config/prop_info.h"
#include "platform/form_view.h"

namespace cd {

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

const TEnumTypeInfo& AlignmentType();
os::TextAlignment ViewAlignment(TAlignment alignment);

}  // namespace cd
