// The sums file of a built medium: each file hashed as it lies in the output folder.
#include "runner/medium_sums_writer.h"

#include <optional>
#include <vector>

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
#include "util/parallel_each.h"
#include "util/whole_file.h"

namespace cd {
namespace {

os::Sha256Digest FileDigest(const std::string& name) {
  return THashingStream(std::make_unique<TFileStream>(name, os::OpenMode::Read)).Digest();
}

}  // namespace

void WriteMediumSums(const TFilesManager& files, const std::string& configFileName, unsigned jobs) {
  // Items that share one file on the medium share its line: the lines are chosen first, as
  // they will be listed, and the files hashed side by side after.
  const std::string configName = os::ExtractFileName(configFileName);
  TMediumSums listed;
  listed.Add(configName, {});
  std::vector<std::string> paths;
  std::vector<const TFileItem*> items;
  bool shared = false;
  for (const TFileItem* item : files.FileItems()) {
    const std::string path = MediumSumsPath(*item);
    if (listed.Find(path)) {
      shared = true;
      continue;
    }
    listed.Add(path, {});
    paths.push_back(path);
    items.push_back(item);
  }
  // The digest taken while the file was written serves unless another item wrote the same
  // file, which may have been the later one: then every file is read again.
  std::vector<os::Sha256Digest> digests(items.size());
  std::vector<size_t> unread;
  for (size_t i = 0; i < items.size(); ++i) {
    const std::optional<os::Sha256Digest>& written = items[i]->Figures().destDigest;
    if (written && !shared)
      digests[i] = *written;
    else
      unread.push_back(i);
  }
  ParallelEach(
      unread.size(), jobs,
      [&](size_t k) {
        digests[unread[k]] = FileDigest(items[unread[k]]->GetFileName(kFileBuildDest));
      },
      [](size_t) {});
  TMediumSums sums;
  sums.Add(configName, FileDigest(configFileName));
  for (size_t i = 0; i < paths.size(); ++i) sums.Add(paths[i], digests[i]);
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
