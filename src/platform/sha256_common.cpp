// The parts of SHA-256 that are the same on every system: one-call digests and their text.
#include "platform/sha256.h"

namespace cd::os {

Sha256Digest Sha256Of(std::string_view data) {
  Sha256 hasher;
  hasher.Update(data.data(), data.size());
  return hasher.Finish();
}

std::string DigestHex(const Sha256Digest& digest) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string text;
  text.reserve(digest.size() * 2);
  for (uint8_t byte : digest) {
    text += kDigits[byte >> 4];
    text += kDigits[byte & 15];
  }
  return text;
}

}  // namespace cd::os
