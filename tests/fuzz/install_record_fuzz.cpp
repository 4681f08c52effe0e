// Hostile install records: one input is a record file, read as a removal reads it; a record
// that loads must write and read back to the same text, and every file and registration it
// names must be reachable.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "base/exceptions.h"
#include "config/config_io.h"
#include "install/install_classes.h"
#include "install/install_record.h"
#include "install/recorded_file.h"
#include "install/recorded_registration.h"
#include "platform/drive_map.h"
#include "platform/files.h"
#include "platform/paths.h"

namespace {

// A file of this process's own under the temporary folder, as a Windows path.
const std::string& RecordFile() {
  static const std::string file = [] {
    std::string host = "/tmp/cdrun-record-fuzz-" + std::to_string(getpid());
    const std::string windows = cd::os::IncludeTrailingBackslash(cd::os::WindowsPath(host));
    cd::os::ForceDirectories(windows);
    return windows + "InstallRecord.otx";
  }();
  return file;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool registered = (cd::RegisterInstallClasses(), true);
  (void)registered;
  cd::os::WriteWholeFile(RecordFile(), std::string(reinterpret_cast<const char*>(data), size));
  std::unique_ptr<cd::TInstallRecord> record;
  try {
    record = cd::TInstallRecord::Load(RecordFile());
  } catch (const cd::Exception&) {
    return 0;
  }
  size_t names = 0;
  for (int i = 0; i < record->FileCount(); ++i) names += record->File(i).Name().size();
  for (int i = 0; i < record->RegistrationCount(); ++i)
    names += record->Registration(i).Name().size();
  (void)names;
  const std::string written = cd::ObjectToString(record.get());
  record->Save(RecordFile());
  if (cd::ObjectToString(cd::TInstallRecord::Load(RecordFile()).get()) != written) std::abort();
  return 0;
}
