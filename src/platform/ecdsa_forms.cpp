// DER to raw and back for P-256 keys and signatures.
#include "platform/ecdsa_forms.h"

#include <algorithm>

namespace cd::os {
namespace {

// SEQUENCE { SEQUENCE { OID id-ecPublicKey, OID prime256v1 }, BIT STRING { 0, 04 ... } }: all
// of a P-256 key information but its 64 bytes of point.
constexpr uint8_t kKeyInfoPrefix[] = {0x30, 0x59, 0x30, 0x13, 0x06, 0x07, 0x2a, 0x86, 0x48,
                                      0xce, 0x3d, 0x02, 0x01, 0x06, 0x08, 0x2a, 0x86, 0x48,
                                      0xce, 0x3d, 0x03, 0x01, 0x07, 0x03, 0x42, 0x00, 0x04};

// SEC1: SEQUENCE { 1, OCTET STRING secret, [0] prime256v1, [1] BIT STRING { 0, 04 ... } }.
constexpr uint8_t kSec1Head[] = {0x30, 0x77, 0x02, 0x01, 0x01, 0x04, 0x20};
constexpr uint8_t kSec1Middle[] = {0xa0, 0x0a, 0x06, 0x08, 0x2a, 0x86, 0x48, 0xce, 0x3d,
                                   0x03, 0x01, 0x07, 0xa1, 0x44, 0x03, 0x42, 0x00, 0x04};
// PKCS#8: SEQUENCE { 0, { id-ecPublicKey, prime256v1 }, OCTET STRING { SEC1 without the
// curve } }.
constexpr uint8_t kPkcs8Head[] = {0x30, 0x81, 0x87, 0x02, 0x01, 0x00, 0x30, 0x13, 0x06,
                                  0x07, 0x2a, 0x86, 0x48, 0xce, 0x3d, 0x02, 0x01, 0x06,
                                  0x08, 0x2a, 0x86, 0x48, 0xce, 0x3d, 0x03, 0x01, 0x07,
                                  0x04, 0x6d, 0x30, 0x6b, 0x02, 0x01, 0x01, 0x04, 0x20};
constexpr uint8_t kPkcs8Middle[] = {0xa1, 0x44, 0x03, 0x42, 0x00, 0x04};

// Whether der is head, 32 bytes of secret, middle and 64 bytes of point; fills key when so.
template <size_t H, size_t M>
bool MatchesKeyForm(std::string_view der, const uint8_t (&head)[H], const uint8_t (&middle)[M],
                    P256PrivateKey& key) {
  const auto* bytes = reinterpret_cast<const uint8_t*>(der.data());
  if (der.size() != H + 32 + M + 64 || !std::equal(head, head + H, bytes) ||
      !std::equal(middle, middle + M, bytes + H + 32))
    return false;
  std::copy(bytes + H, bytes + H + 32, key.secret.begin());
  std::copy(bytes + H + 32 + M, bytes + der.size(), key.point.begin());
  return true;
}

// Reads one INTEGER at pos into the 32 bytes of out; false unless it is positive, minimal
// and fits.
bool ReadInteger(std::string_view der, size_t& pos, uint8_t* out) {
  if (pos + 2 > der.size() || static_cast<uint8_t>(der[pos]) != 0x02) return false;
  const size_t length = static_cast<uint8_t>(der[pos + 1]);
  pos += 2;
  if (length == 0 || length > 33 || pos + length > der.size()) return false;
  const auto* bytes = reinterpret_cast<const uint8_t*>(der.data() + pos);
  if (bytes[0] & 0x80) return false;                                    // negative
  if (length > 1 && bytes[0] == 0 && !(bytes[1] & 0x80)) return false;  // not minimal
  if (length == 33 && bytes[0] != 0) return false;                      // too large
  const size_t significant = length == 33 ? 32 : length;
  std::fill(out, out + 32 - significant, uint8_t{0});
  std::copy(bytes + length - significant, bytes + length, out + 32 - significant);
  pos += length;
  return true;
}

// The minimal DER INTEGER of 32 big-endian bytes.
std::string IntegerOf(const uint8_t* value) {
  size_t start = 0;
  while (start < 31 && value[start] == 0) ++start;
  std::string body(reinterpret_cast<const char*>(value + start), 32 - start);
  if (value[start] & 0x80) body.insert(body.begin(), '\0');
  return std::string{'\x02', static_cast<char>(body.size())} + body;
}

}  // namespace

std::optional<P256Point> P256PointOfKeyInfo(std::string_view der) {
  P256Point point{};
  if (der.size() != sizeof kKeyInfoPrefix + point.size() ||
      !std::equal(std::begin(kKeyInfoPrefix), std::end(kKeyInfoPrefix),
                  reinterpret_cast<const uint8_t*>(der.data())))
    return std::nullopt;
  std::copy(der.begin() + sizeof kKeyInfoPrefix, der.end(), point.begin());
  return point;
}

std::optional<P256PrivateKey> P256KeyOfPrivateDer(std::string_view der) {
  P256PrivateKey key;
  if (MatchesKeyForm(der, kSec1Head, kSec1Middle, key) ||
      MatchesKeyForm(der, kPkcs8Head, kPkcs8Middle, key))
    return key;
  return std::nullopt;
}

std::optional<RawSignature> RawOfDerSignature(std::string_view der) {
  if (der.size() < 2 || der.size() > 129 || static_cast<uint8_t>(der[0]) != 0x30 ||
      static_cast<uint8_t>(der[1]) != der.size() - 2)
    return std::nullopt;
  RawSignature raw{};
  size_t pos = 2;
  if (!ReadInteger(der, pos, raw.data()) || !ReadInteger(der, pos, raw.data() + 32) ||
      pos != der.size())
    return std::nullopt;
  return raw;
}

std::string DerOfRawSignature(const RawSignature& raw) {
  const std::string body = IntegerOf(raw.data()) + IntegerOf(raw.data() + 32);
  return std::string{'\x30', static_cast<char>(body.size())} + body;
}

}  // namespace cd::os
