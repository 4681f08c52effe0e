// Writing the sums of a built medium, and signing them.
#pragma once

#include <string>

namespace cd {

class TFilesManager;

// Writes "SHA256SUMS" beside configFileName: a line for the configuration and one for each
// file item's file on the medium, the path relative to the configuration's folder as cdrun
// looks it up (PrgSubpath and the name on the medium). A signature left by an earlier build
// is removed, since it would no longer match. An item's file is taken by the digest its
// packing recorded; files without one are hashed on up to jobs threads.
void WriteMediumSums(const TFilesManager& files, const std::string& configFileName,
                     unsigned jobs = 1);

// Writes "SHA256SUMS.sig" beside configFileName: the signature of its "SHA256SUMS" by the
// private key (PEM), in the DER form of `openssl dgst -sha256 -sign`.
void SignMediumSums(const std::string& configFileName, const std::string& privateKeyPem);

}  // namespace cd
