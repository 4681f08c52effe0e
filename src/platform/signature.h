// ECDSA signatures on the curve P-256 over the SHA-256 of a text, in the DER form that
// `openssl dgst -sha256 -sign` writes; keys in PEM form. libcrypto on POSIX, CNG on Windows.
#pragma once

#include <string>

namespace cd::os {

// Whether signature is a valid signature of data by the public key ("PUBLIC KEY" PEM). A key
// that cannot be read as a P-256 public key fails with a cd::Exception saying so; a signature
// that is not well formed is simply not valid.
bool VerifySignature(const std::string& publicKeyPem, const std::string& data,
                     const std::string& signature);

// The DER signature of data by the private key (SEC1 "EC PRIVATE KEY" or PKCS#8 "PRIVATE KEY"
// PEM). A key that cannot be read as a P-256 private key fails with a cd::Exception.
std::string SignData(const std::string& privateKeyPem, const std::string& data);

// The SHA-256 of the key's DER form (its SubjectPublicKeyInfo) in hexadecimal: what
// `openssl pkey -pubin -outform DER | sha256sum` shows. Fails as VerifySignature does.
std::string PublicKeyFingerprint(const std::string& publicKeyPem);

}  // namespace cd::os
