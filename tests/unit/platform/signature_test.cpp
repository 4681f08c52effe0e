// SHA-256 and ECDSA P-256 through the system's cryptography: known digests, signatures made by
// openssl accepted, our own verified, keys and signatures of the wrong kind refused, and the
// DER forms that CNG needs turned into raw numbers and back.
#include "platform/signature.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/exceptions.h"
#include "platform/ecdsa_forms.h"
#include "platform/sha256.h"
#include "support/test_keys.h"

namespace cd::os {
namespace {

using namespace cd::test;

TEST(Sha256Test, KnownDigestsWholeAndInPieces) {
  EXPECT_EQ(DigestHex(Sha256Of("")),
            "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
  EXPECT_EQ(DigestHex(Sha256Of("abc")),
            "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
  const std::string million(1000000, 'a');
  Sha256 hasher;
  for (size_t at = 0; at < million.size(); at += 4093)
    hasher.Update(million.data() + at, std::min<size_t>(4093, million.size() - at));
  const std::string expected = "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0";
  EXPECT_EQ(DigestHex(hasher.Finish()), expected);
  EXPECT_EQ(DigestHex(hasher.Finish()), DigestHex(Sha256Of("")));  // starts again
}

TEST(SignatureTest, OpensslSignatureIsAcceptedForItsTextAndKeyOnly) {
  EXPECT_TRUE(VerifySignature(kPublicKeyA, "abc", kOpensslSignatureOfAbcByA));
  EXPECT_FALSE(VerifySignature(kPublicKeyA, "abd", kOpensslSignatureOfAbcByA));
  EXPECT_FALSE(VerifySignature(kPublicKeyB, "abc", kOpensslSignatureOfAbcByA));
  std::string flipped = kOpensslSignatureOfAbcByA;
  flipped[20] ^= 1;
  for (const std::string& garbage : {flipped, std::string(), std::string("not a signature"),
                                     kOpensslSignatureOfAbcByA.substr(0, 70)})
    EXPECT_FALSE(VerifySignature(kPublicKeyA, "abc", garbage));
  EXPECT_EQ(PublicKeyFingerprint(kPublicKeyA), kFingerprintA);
}

TEST(SignatureTest, KeysThatAreNotP256PublicKeysAreRefused) {
  for (const std::string& key : {std::string("no key"), kPublicKeyP384, kPrivateKeyA}) {
    EXPECT_THROW(VerifySignature(key, "abc", kOpensslSignatureOfAbcByA), Exception);
    EXPECT_THROW(PublicKeyFingerprint(key), Exception);
  }
}

TEST(SignatureTest, OwnSignaturesOfBothKeyFormsVerify) {
  const std::string text = "a line of sums\n";
  for (const auto& [privateKey, publicKey] :
       {std::pair{kPrivateKeyA, kPublicKeyA}, std::pair{kPrivateKeyB, kPublicKeyB}}) {
    const std::string signature = SignData(privateKey, text);
    EXPECT_TRUE(VerifySignature(publicKey, text, signature));
    EXPECT_FALSE(VerifySignature(publicKey, text + " ", signature));
  }
  EXPECT_THROW(SignData(kPublicKeyA, text), Exception);
}

TEST(EcdsaFormsTest, DerSignatureToRawAndBack) {
  const std::optional<RawSignature> raw = RawOfDerSignature(kOpensslSignatureOfAbcByA);
  ASSERT_TRUE(raw);
  EXPECT_EQ((*raw)[0], 0xb4);  // r's leading zero of the sign is gone
  EXPECT_EQ((*raw)[32], 0x54);
  EXPECT_EQ(DerOfRawSignature(*raw), kOpensslSignatureOfAbcByA);
  RawSignature small{};
  small[31] = 1;
  small[63] = 0x80;
  const std::string der = DerOfRawSignature(small);
  EXPECT_EQ(der, std::string("\x30\x07\x02\x01\x01\x02\x02\x00\x80", 9));
  EXPECT_EQ(RawOfDerSignature(der), small);
}

TEST(EcdsaFormsTest, PrivateKeyPartsOfTheSec1FormOnly) {
  const std::string head("\x30\x77\x02\x01\x01\x04\x20", 7);
  const std::string middle(
      "\xa0\x0a\x06\x08\x2a\x86\x48\xce\x3d\x03\x01\x07\xa1\x44\x03\x42\x00\x04", 18);
  const std::string der = head + std::string(32, '\x11') + middle + std::string(64, '\x22');
  const std::optional<P256PrivateKey> key = P256KeyOfPrivateDer(der);
  ASSERT_TRUE(key);
  EXPECT_EQ(key->secret[31], 0x11);
  EXPECT_EQ(key->point[0], 0x22);
  std::string otherCurve = der;
  otherCurve[50] ^= 1;
  for (const std::string& refused : {otherCurve, der.substr(0, 120), der + '\0'})
    EXPECT_FALSE(P256KeyOfPrivateDer(refused));
}

TEST(EcdsaFormsTest, SignaturesThatAreNotStrictDerAreRefused) {
  const std::vector<std::string> refused = {
      "",
      std::string("\x30\x06\x02\x01\x01\x02\x01\x01\x00", 9),  // bytes after it
      std::string("\x30\x06\x02\x01\x81\x02\x01\x01", 8),      // negative r
      std::string("\x30\x07\x02\x02\x00\x01\x02\x01\x01", 9),  // r not minimal
      std::string("\x30\x06\x02\x00\x02\x01\x01\x01", 8),      // empty r
      std::string("\x30\x05\x02\x01\x01\x02\x01", 7),          // s cut off
      std::string("\x31\x06\x02\x01\x01\x02\x01\x01", 8),      // not a sequence
      std::string("\x30\x26\x02\x21\x01") + std::string(32, '\x01') + "\x02\x01\x01",  // 33 bytes
  };
  for (const std::string& der : refused) EXPECT_FALSE(RawOfDerSignature(der)) << der.size();
}

}  // namespace
}  // namespace cd::os
