// The table of form layouts that the build generates (formres --table); the last entry has
// no name.
#pragma once

#include <cstddef>

namespace cd::os {

struct FormResourceEntry {
  const char* name;
  const unsigned char* data;
  size_t size;
};

extern const FormResourceEntry kFormResourceTable[];

}  // namespace cd::os
