// The forms a P-256 key and signature take between DER and the raw numbers that CNG works
// with: the public point inside a SubjectPublicKeyInfo, and a signature as r || s. Portable.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace cd::os {

// X || Y of an uncompressed P-256 point; r || s of a signature, each 32 bytes big-endian.
using P256Point = std::array<uint8_t, 64>;
using RawSignature = std::array<uint8_t, 64>;

// The point of a DER SubjectPublicKeyInfo of an id-ecPublicKey on prime256v1 with an
// uncompressed point; nullopt for anything else.
std::optional<P256Point> P256PointOfKeyInfo(std::string_view der);

// The secret and the public point of a P-256 private key in the DER forms openssl writes:
// SEC1 ECPrivateKey with the curve and the point ("EC PRIVATE KEY"), or PKCS#8 around one
// with the point ("PRIVATE KEY"); nullopt for anything else.
struct P256PrivateKey {
  std::array<uint8_t, 32> secret{};
  P256Point point{};
};
std::optional<P256PrivateKey> P256KeyOfPrivateDer(std::string_view der);

// r || s of a strict DER signature (SEQUENCE of two positive minimal INTEGERs of at most 32
// significant bytes, nothing after it); nullopt for anything else.
std::optional<RawSignature> RawOfDerSignature(std::string_view der);

// The DER form of r || s, as openssl writes it.
std::string DerOfRawSignature(const RawSignature& raw);

}  // namespace cd::os
