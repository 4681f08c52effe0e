// Unique temporary folders for tests.
#include "support/temp_dir.h"

#include <atomic>
#include <chrono>
#include <random>

namespace cd::test {

TempDir::TempDir() {
  static std::atomic<unsigned> counter{0};
  std::random_device rd;
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  path_ = std::filesystem::temp_directory_path() /
          ("cdtest-" + std::to_string(rd()) + "-" + std::to_string(stamp % 1000000) + "-" +
           std::to_string(counter++));
  std::filesystem::create_directories(path_);
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

}  // namespace cd::test
