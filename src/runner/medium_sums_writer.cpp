// The sums file of a built medium: each file hashed as it lies in the output folder.
#include "runner/medium_sums_writer.h"

#include "base/exceptions.h"
#include "install/file_item.h"
#include "install/files_manager.h"
#include "install/medium_check.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/replace_file.h"
#include "platform/signature.h"
#include "streams/file_stream.h"
#include "streams/hashing_stream.h"
#include "util/format.h"
#include "util/medium_sums.h"
#include "util/whole_file.h"

namespace cd {
namespace {

os::Sha256Digest FileDigest(const std::string& name) {
  return THashingStream(std::make_unique<TFileStream>(name, os::OpenMode::Read)).Digest();
}

}  // namespace

void WriteMediumSums(const TFilesManager& files, const std::string& configFileName) {
  TMediumSums sums;
  sums.Add(os::ExtractFileName(configFileName), FileDigest(configFileName));
  for (int i = 0; i < files.ChildCount(); ++i) {
    auto* item = dynamic_cast<const TFileItem*>(files.Child(i));
    // Items that share one file on the medium share its line.
    if (!item || sums.Find(MediumSumsPath(*item))) continue;
    sums.Add(MediumSumsPath(*item), FileDigest(item->GetFileName(kFileBuildDest)));
  }
  const std::string folder = os::ExtractFilePath(configFileName);
  os::ReplaceFileAtomically(folder + kSumsFileName, sums.Text());
  const std::string stale = folder + kSumsSignatureName;
  if (os::FileExists(stale) && !os::DeleteFile(stale))
    throw Exception(Format("Cannot remove the earlier signature \"%s\"", {stale}));
}

void SignMediumSums(const std::string& configFileName, const std::string& privateKeyPem) {
  const std::string folder = os::ExtractFilePath(configFileName);
  const std::string signature = os::SignData(privateKeyPem, FileToString(folder + kSumsFileName));
  os::ReplaceFileAtomically(folder + kSumsSignatureName, signature);
}

}  // namespace cd
