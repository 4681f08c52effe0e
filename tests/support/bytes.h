// Byte strings written as lists of numbers, for tests of binary formats.
#pragma once

#include <initializer_list>
#include <string>

namespace cd::test {

inline std::string Bytes(std::initializer_list<int> bytes) {
  std::string s;
  for (int b : bytes) s.push_back(static_cast<char>(b));
  return s;
}

}  // namespace cd::test
