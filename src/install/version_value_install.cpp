// TVersionValue: the version decision, recording the version at build time and the
// registration of a library that registers itself.
#include "base/exceptions.h"
#include "install/version_value.h"
#include "platform/files.h"
#include "platform/library.h"
#include "util/file_properties.h"
#include "util/file_version.h"
#include "util/format.h"

namespace cd {
namespace {

void RegisterLibrary(const std::string& name) {
  switch (os::CallDllRegisterServer(name)) {
    case os::RegisterServerResult::Registered:
      return;
    case os::RegisterServerResult::CannotLoad:
      throw Exception(Format("Cannot load \"%s\" library", {name}));
    case os::RegisterServerResult::NoEntry:
      throw Exception(Format("Cannot find DllRegisterServer function in \"%s\" library", {name}));
    case os::RegisterServerResult::EntryFailed:
      throw Exception(Format("Error in DllRegisterServer function call (\"%s\" library)", {name}));
  }
}

}  // namespace

void TVersionValue::CompareFile() {
  const std::string target = GetFileName(kFileTarget);
  if (!os::FileExists(target)) {
    SetNeeded(true);
    return;
  }
  const auto installed = static_cast<int64_t>(GetFileVersion(target));
  if (installed == Version64())
    SetNeeded(OutOfDate(GetFileDate(target)));
  else
    SetNeeded(Version64() > installed);
}

void TVersionValue::StoreFileInfo() {
  TDatumValue::StoreFileInfo();
  SetVersion64(static_cast<int64_t>(GetFileVersion(GetFileName(kFileBuildSource))));
}

void TVersionValue::DoUserInstall(TInstallPhase phase) {
  TDatumValue::DoUserInstall(phase);
  if (phase == kPhaseRegister && RegisterDLL()) RegisterLibrary(GetFileName(kFileTarget));
}

void TVersionValue::CheckConsistence() {
  TDatumValue::CheckConsistence();
  GetFileVersion(GetFileName(kFileBuildSource));
}

}  // namespace cd
