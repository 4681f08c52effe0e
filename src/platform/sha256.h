// SHA-256 through the system's cryptography (libcrypto on POSIX, CNG on Windows).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace cd::os {

using Sha256Digest = std::array<uint8_t, 32>;

// A digest computed piece by piece. A failure of the system's provider is a cd::Exception.
class Sha256 {
 public:
  Sha256();
  ~Sha256();
  Sha256(const Sha256&) = delete;
  Sha256& operator=(const Sha256&) = delete;

  void Update(const void* data, size_t size);
  // The digest of everything given so far; afterwards the hasher starts again from nothing.
  Sha256Digest Finish();

 private:
  struct State;
  std::unique_ptr<State> state_;
};

// The digest of data in one call.
Sha256Digest Sha256Of(std::string_view data);

// The digest as 64 lower-case hexadecimal digits.
std::string DigestHex(const Sha256Digest& digest);

}  // namespace cd::os
