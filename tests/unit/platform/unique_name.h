// Names that no other test run uses at the same time (events and window classes are shared
// by every process of a Wine prefix or a session).
#pragma once

#include <chrono>
#include <random>
#include <string>

namespace cd::test {

inline std::string UniqueName(const std::string& prefix) {
  std::random_device random;
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  return prefix + "-" + std::to_string(random()) + "-" + std::to_string(stamp % 100000000);
}

}  // namespace cd::test
