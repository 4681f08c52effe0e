// Loading and checking the sums of a medium and its configuration.
#include "runner/medium_trust.h"

#include <optional>

#include "base/exceptions.h"
#include "config/create_stream.h"
#include "config/name_kind.h"
#include "platform/files.h"
#include "platform/signature.h"
#include "streams/memory_stream.h"
#include "streams/virt_stream.h"
#include "util/format.h"
#include "util/medium_sums.h"

namespace cd {
namespace {

// Where the name's folder ends: after its last "\" or "/" (a drive path or a web address).
size_t FolderLength(const std::string& name) {
  const size_t slash = name.find_last_of("/\\");
  return slash == std::string::npos ? 0 : slash + 1;
}

// The whole file, refused past limit bytes; nullopt when it cannot be opened or read.
std::optional<std::string> ReadWhole(const std::string& name, int64_t limit) {
  try {
    if (NameKind(name) == nk_LocalFile && !os::FileExists(name)) return std::nullopt;
    std::unique_ptr<TStream> stream = CreateStream(name, 0, nullptr);
    if (stream->Size() > limit)
      throw Exception(Format("File \"%s\" is larger than %d bytes and is not read",
                             {name, static_cast<long long>(limit)}));
    return stream->ReadRest();
  } catch (const EAbort&) {
    throw;
  } catch (const Exception&) {
    return std::nullopt;
  }
}

}  // namespace

std::shared_ptr<const TMediumSums> LoadMediumSums(const std::string& configName,
                                                  const std::string& publicKeyPem) {
  const std::string folder = configName.substr(0, FolderLength(configName));
  const std::string sumsName = folder + kSumsFileName;
  const std::optional<std::string> text = ReadWhole(sumsName, kLargestSumsFile);
  if (!publicKeyPem.empty()) {
    if (!text) {
      throw Exception(
          Format("The medium carries no signed sums: \"%s\" cannot be read; the "
                 "publisher's key requires them, so the medium is not run",
                 {sumsName}));
    }
    const std::string signatureName = folder + kSumsSignatureName;
    const std::optional<std::string> signature = ReadWhole(signatureName, 4096);
    if (!signature) {
      throw Exception(
          Format("The signature \"%s\" cannot be read; the publisher's key "
                 "requires it, so the medium is not run",
                 {signatureName}));
    }
    if (!os::VerifySignature(publicKeyPem, *text, *signature)) {
      throw Exception(
          Format("The signature \"%s\" of \"%s\" was not made with the publisher's "
                 "key; the medium is not run",
                 {signatureName, sumsName}));
    }
  }
  if (!text) return nullptr;
  return std::make_shared<const TMediumSums>(TMediumSums::Parse(*text, sumsName));
}

std::unique_ptr<TStream> CheckedConfiguration(std::unique_ptr<TStream> stream,
                                              const TMediumSums& sums,
                                              const std::string& configName) {
  const std::string& expected =
      sums.Require(configName.substr(FolderLength(configName)), configName);
  if (stream->Size() > kLargestReadWhole) {
    throw Exception(Format("File \"%s\" is larger than %d MiB and is not read",
                           {configName, static_cast<long long>(kLargestReadWhole >> 20)}));
  }
  std::string bytes = stream->ReadRest();
  TMediumSums::Check(configName, os::Sha256Of(bytes), expected);
  return std::make_unique<TMemoryStream>(std::move(bytes));
}

}  // namespace cd
