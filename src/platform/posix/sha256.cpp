// SHA-256 through libcrypto's digest interface.
#include "platform/sha256.h"

#include <openssl/evp.h>

#include "base/exceptions.h"

namespace cd::os {

struct Sha256::State {
  EVP_MD_CTX* context = nullptr;
};

namespace {

void Start(EVP_MD_CTX* context) {
  if (EVP_DigestInit_ex(context, EVP_sha256(), nullptr) != 1)
    throw Exception("SHA-256: libcrypto cannot start a digest");
}

}  // namespace

Sha256::Sha256() : state_(std::make_unique<State>()) {
  state_->context = EVP_MD_CTX_new();
  if (!state_->context) throw Exception("SHA-256: libcrypto cannot make a digest context");
  Start(state_->context);
}

Sha256::~Sha256() {
  EVP_MD_CTX_free(state_->context);
}

void Sha256::Update(const void* data, size_t size) {
  if (size > 0 && EVP_DigestUpdate(state_->context, data, size) != 1)
    throw Exception("SHA-256: libcrypto cannot take more data");
}

Sha256Digest Sha256::Finish() {
  Sha256Digest digest{};
  unsigned int length = 0;
  if (EVP_DigestFinal_ex(state_->context, digest.data(), &length) != 1 || length != digest.size())
    throw Exception("SHA-256: libcrypto cannot finish the digest");
  Start(state_->context);
  return digest;
}

}  // namespace cd::os
