// TVersionValue: stored keys, the version in its two forms, the version decision, recording
// the version at build time and the registration of a library that registers itself.
#include "install/version_value.h"

#include "base/exceptions.h"
#include "install/decision_reasons.h"
#include "install/hooks.h"
#include "install/log_event.h"
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

const TClassInfo& TVersionValue::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TVersionValue>("TVersionValue", &TDatumValue::StaticClass())
          .Str("Version", [](const TVersionValue& v) { return v.Version(); },
               [](TVersionValue&, const std::string&) {})
          .Int("Ver1", &TVersionValue::ver1_)
          .Int("Ver2", &TVersionValue::ver2_)
          .Bool("RegisterDLL", &TVersionValue::registerDLL_)
          .Build();
  return info;
}

std::string TVersionValue::Version() const {
  if (ver1_ == 0 && ver2_ == 0) return {};
  auto hi = [](int32_t v) { return static_cast<unsigned>(static_cast<uint32_t>(v) >> 16); };
  auto lo = [](int32_t v) { return static_cast<unsigned>(static_cast<uint32_t>(v) & 0xFFFF); };
  return Format("%d.%d.%d.%d", {hi(ver2_), lo(ver2_), hi(ver1_), lo(ver1_)});
}

int64_t TVersionValue::Version64() const {
  return static_cast<int64_t>((static_cast<uint64_t>(static_cast<uint32_t>(ver2_)) << 32) |
                              static_cast<uint32_t>(ver1_));
}

void TVersionValue::SetVersion64(int64_t v) {
  ver1_ = static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(v)));
  ver2_ = static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(v) >> 32));
}

void TVersionValue::CompareFile() {
  const std::string target = GetFileName(kFileTarget);
  if (!os::FileExists(target)) {
    Decide(true, "missing on disk");
    return;
  }
  const auto installed = static_cast<int64_t>(GetFileVersion(target));
  if (installed == Version64()) {
    const int32_t date = GetFileDate(target);
    Decide(OutOfDate(date),
           Format("same version %s, %s", {VersionText(installed), DateReason(date, Time())}));
  } else {
    Decide(Version64() > installed, VersionReason(installed, Version64()));
  }
}

void TVersionValue::StoreFileInfo() {
  TDatumValue::StoreFileInfo();
  SetVersion64(static_cast<int64_t>(GetFileVersion(GetFileName(kFileBuildSource))));
}

void TVersionValue::DoUserInstall(TInstallPhase phase) {
  TDatumValue::DoUserInstall(phase);
  if (phase != kPhaseRegister || !RegisterDLL()) return;
  RegisterLibrary(GetFileName(kFileTarget));
  LogEvent(TLogEvent("register")
               .Str("item", Path())
               .Str("program", GetFileName(kFileTarget))
               .Str("entry", "DllRegisterServer")
               .Int("result", 0));
}

void TVersionValue::CheckConsistence() {
  TDatumValue::CheckConsistence();
  GetFileVersion(GetFileName(kFileBuildSource));
}

}  // namespace cd
