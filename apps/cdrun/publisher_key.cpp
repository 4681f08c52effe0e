// Finding the publisher's key and describing it.
#include "publisher_key.h"

#include "base/exceptions.h"
#include "platform/signature.h"
#include "util/whole_file.h"

namespace cd {

// The text of CDRUN_PUBLIC_KEY, written into a source file of the build folder.
extern const char* const kBuiltInPublicKey;

std::string PublisherKey(const std::string& keyFile) {
  if (keyFile.empty()) return kBuiltInPublicKey;
  std::string pem;
  try {
    pem = FileToString(keyFile);
    os::PublicKeyFingerprint(pem);
  } catch (const Exception& failure) {
    throw Exception("The publisher's key \"" + keyFile + "\" cannot be used: " + failure.Message());
  }
  return pem;
}

std::string VersionText() {
  std::string text = "cdrun " CD_VERSION "\n";
  if (*kBuiltInPublicKey == '\0') return text + "built-in publisher key: none\n";
  return text + "built-in publisher key: SHA-256 " + os::PublicKeyFingerprint(kBuiltInPublicKey) +
         "\n";
}

}  // namespace cd
