// ServerFileName: a course data name as the region and address code use it.
#pragma once

#include <string>

#include "library/context.h"

namespace cd {

// With at least two characters and no colon second, the context's server path is put in
// front; otherwise the name stays as it is. Unlike ExpandServerName, a bare drive ("D:")
// stays as it is.
std::string ServerFileName(const std::string& name, TContext& context = GetContext());

}  // namespace cd
