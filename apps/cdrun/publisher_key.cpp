// Finding the publisher's key and describing it.
#include "publisher_key.h"

#include "base/exceptions.h"
#include "platform/signature.h"
#include "util/whole_file.h"

namespace cd {

// The text of CDRUN_PUBLIC_KEY, written into a source file of the build folder.
extern const char* const kBuiltInPublicKey;

namespace {

bool StartsWithNoCase(const std::string& text, const std::string& prefix) {
  if (text.size() < prefix.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i) {
    const char c = text[i] >= 'a' && text[i] <= 'z' ? static_cast<char>(text[i] - 32) : text[i];
    if (c != prefix[i]) return false;
  }
  return true;
}

}  // namespace

std::string TakeKeyOption(std::vector<std::string>& args) {
  std::string file;
  for (auto arg = args.begin(); arg != args.end();) {
    if (StartsWithNoCase(*arg, "/PUBKEY=")) {
      file = arg->substr(8);
    } else if (arg->rfind("--pubkey=", 0) == 0) {
      file = arg->substr(9);
    } else {
      ++arg;
      continue;
    }
    arg = args.erase(arg);
  }
  return file;
}

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
