// SHA-256 through CNG (bcrypt.dll): one provider for the process, a hash object per hasher
// that is made again after each digest.
#include <windows.h>
// bcrypt.h needs the types of windows.h first.
#include <bcrypt.h>

#include <cstdio>

#include "base/exceptions.h"
#include "platform/sha256.h"

namespace cd::os {
namespace {

[[noreturn]] void Fail(const char* step, NTSTATUS status) {
  char text[128];
  std::snprintf(text, sizeof text, "SHA-256: CNG cannot %s (status 0x%08lx)", step,
                static_cast<unsigned long>(status));
  throw Exception(text);
}

BCRYPT_ALG_HANDLE Provider() {
  static const BCRYPT_ALG_HANDLE provider = [] {
    BCRYPT_ALG_HANDLE handle = nullptr;
    const NTSTATUS status =
        ::BCryptOpenAlgorithmProvider(&handle, BCRYPT_SHA256_ALGORITHM, nullptr, 0);
    if (status != 0) Fail("open the SHA-256 provider", status);
    return handle;
  }();
  return provider;
}

BCRYPT_HASH_HANDLE NewHash() {
  BCRYPT_HASH_HANDLE hash = nullptr;
  const NTSTATUS status = ::BCryptCreateHash(Provider(), &hash, nullptr, 0, nullptr, 0, 0);
  if (status != 0) Fail("create a hash", status);
  return hash;
}

}  // namespace

struct Sha256::State {
  BCRYPT_HASH_HANDLE hash = nullptr;
};

Sha256::Sha256() : state_(std::make_unique<State>()) {
  state_->hash = NewHash();
}

Sha256::~Sha256() {
  if (state_->hash) ::BCryptDestroyHash(state_->hash);
}

void Sha256::Update(const void* data, size_t size) {
  auto* bytes = static_cast<PUCHAR>(const_cast<void*>(data));
  while (size > 0) {
    const ULONG part = size > 0x40000000 ? 0x40000000 : static_cast<ULONG>(size);
    const NTSTATUS status = ::BCryptHashData(state_->hash, bytes, part, 0);
    if (status != 0) Fail("hash data", status);
    bytes += part;
    size -= part;
  }
}

Sha256Digest Sha256::Finish() {
  Sha256Digest digest{};
  const NTSTATUS status =
      ::BCryptFinishHash(state_->hash, digest.data(), static_cast<ULONG>(digest.size()), 0);
  ::BCryptDestroyHash(state_->hash);
  state_->hash = nullptr;
  if (status != 0) Fail("finish the hash", status);
  state_->hash = NewHash();
  return digest;
}

}  // namespace cd::os
