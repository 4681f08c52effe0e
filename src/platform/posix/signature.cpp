// ECDSA P-256 signatures through libcrypto: PEM keys read from memory, the digest-and-sign
// interface, which takes and gives the DER form of the signature.
#include "platform/signature.h"

#include <openssl/bio.h>
#include <openssl/evp.h>
#include <openssl/pem.h>

#include <memory>
#include <string_view>

#include "base/exceptions.h"
#include "platform/sha256.h"

namespace cd::os {
namespace {

struct FreeKey {
  void operator()(EVP_PKEY* key) const { EVP_PKEY_free(key); }
};
struct FreeContext {
  void operator()(EVP_MD_CTX* context) const { EVP_MD_CTX_free(context); }
};
using Key = std::unique_ptr<EVP_PKEY, FreeKey>;
using Context = std::unique_ptr<EVP_MD_CTX, FreeContext>;

// Keys protected by a password are refused rather than asked for one on the terminal.
int NoPassword(char*, int, int, void*) {
  return -1;
}

// Reads a PEM key with read (PEM_read_bio_PUBKEY or PEM_read_bio_PrivateKey); fails unless it
// is a key of the curve P-256.
template <class ReadPem>
Key ReadKey(const std::string& pem, ReadPem read, const char* what) {
  std::unique_ptr<BIO, decltype(&BIO_free)> bio(
      BIO_new_mem_buf(pem.data(), static_cast<int>(pem.size())), &BIO_free);
  if (!bio) throw Exception("ECDSA: libcrypto cannot read from memory");
  Key key(read(bio.get(), nullptr, &NoPassword, nullptr));
  if (!key) throw Exception(std::string("the text is not a PEM ") + what);
  char group[32] = {};
  if (EVP_PKEY_get_base_id(key.get()) != EVP_PKEY_EC ||
      EVP_PKEY_get_group_name(key.get(), group, sizeof group, nullptr) != 1 ||
      std::string_view(group) != "prime256v1")
    throw Exception(std::string("the ") + what + " is not an ECDSA key of the curve P-256");
  return key;
}

Key ReadPublicKey(const std::string& pem) {
  return ReadKey(pem, &PEM_read_bio_PUBKEY, "public key");
}

Context NewContext() {
  Context context(EVP_MD_CTX_new());
  if (!context) throw Exception("ECDSA: libcrypto cannot make a digest context");
  return context;
}

}  // namespace

bool VerifySignature(const std::string& publicKeyPem, const std::string& data,
                     const std::string& signature) {
  const Key key = ReadPublicKey(publicKeyPem);
  const Context context = NewContext();
  if (EVP_DigestVerifyInit(context.get(), nullptr, EVP_sha256(), nullptr, key.get()) != 1)
    throw Exception("ECDSA: libcrypto cannot start a verification");
  return EVP_DigestVerify(context.get(), reinterpret_cast<const unsigned char*>(signature.data()),
                          signature.size(), reinterpret_cast<const unsigned char*>(data.data()),
                          data.size()) == 1;
}

std::string SignData(const std::string& privateKeyPem, const std::string& data) {
  const Key key = ReadKey(privateKeyPem, &PEM_read_bio_PrivateKey, "private key");
  const Context context = NewContext();
  size_t size = 0;
  const auto* bytes = reinterpret_cast<const unsigned char*>(data.data());
  if (EVP_DigestSignInit(context.get(), nullptr, EVP_sha256(), nullptr, key.get()) != 1 ||
      EVP_DigestSign(context.get(), nullptr, &size, bytes, data.size()) != 1)
    throw Exception("ECDSA: libcrypto cannot start a signature");
  std::string signature(size, '\0');
  if (EVP_DigestSign(context.get(), reinterpret_cast<unsigned char*>(signature.data()), &size,
                     bytes, data.size()) != 1)
    throw Exception("ECDSA: libcrypto cannot sign");
  signature.resize(size);
  return signature;
}

std::string PublicKeyFingerprint(const std::string& publicKeyPem) {
  const Key key = ReadPublicKey(publicKeyPem);
  unsigned char* der = nullptr;
  const int size = i2d_PUBKEY(key.get(), &der);
  if (size <= 0) throw Exception("ECDSA: libcrypto cannot write the public key");
  const std::string bytes(reinterpret_cast<const char*>(der), static_cast<size_t>(size));
  OPENSSL_free(der);
  return DigestHex(Sha256Of(bytes));
}

}  // namespace cd::os
