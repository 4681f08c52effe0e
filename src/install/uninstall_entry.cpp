// The uninstall entry's values, written through the platform's registry calls.
#include "install/uninstall_entry.h"

#include <cstdint>

#include "install/install_record.h"
#include "install/recorded_file.h"
#include "platform/registry.h"

namespace cd {
namespace {

using os::RegistryRoot;

constexpr RegistryRoot kRoots[] = {RegistryRoot::LocalMachine, RegistryRoot::CurrentUser};

// The installed size in KB, rounded up, as the list of installed programs shows it.
uint32_t EstimatedSizeKB(const TInstallRecord& record) {
  int64_t bytes = 0;
  for (int i = 0; i < record.FileCount(); ++i) bytes += record.File(i).Size();
  const int64_t kb = (bytes + 1023) / 1024;
  return kb > UINT32_MAX ? UINT32_MAX : static_cast<uint32_t>(kb);
}

bool WriteUnder(RegistryRoot root, const TInstallRecord& record, const TUninstallCommand& command,
                const std::string& installDate) {
  const std::string key = UninstallKey(record.AppName());
  const std::string location = record.Destination();
  // A value the configuration no longer gives is left out.
  auto optional = [&](const char* name, const std::string& value) {
    return value.empty() || os::WriteRegistryString(root, key, name, value);
  };
  return os::WriteRegistryString(root, key, "DisplayName", record.Title()) &&
         optional("DisplayVersion", record.DisplayVersion()) &&
         optional("Publisher", record.Publisher()) &&
         (location.empty() || os::WriteRegistryString(root, key, "InstallLocation", location)) &&
         os::WriteRegistryNumber(root, key, "EstimatedSize", EstimatedSizeKB(record)) &&
         os::WriteRegistryString(root, key, "InstallDate", installDate) &&
         os::WriteRegistryNumber(root, key, "NoModify", 1) &&
         os::WriteRegistryNumber(root, key, "NoRepair", 1) &&
         os::WriteRegistryString(root, key, "UninstallString",
                                 command.UninstallString(record.AppName())) &&
         os::WriteRegistryString(root, key, "QuietUninstallString",
                                 command.QuietUninstallString(record.AppName()));
}

}  // namespace

std::string UninstallKey(const std::string& appName) {
  return "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\" + appName;
}

std::string TUninstallCommand::UninstallString(const std::string& appName) const {
  return "\"" + program + "\" /UNINSTALL=\"" + appName + "\"";
}

std::string TUninstallCommand::QuietUninstallString(const std::string& appName) const {
  return UninstallString(appName) + " /SILENT";
}

bool WriteUninstallEntry(const TInstallRecord& record, const TUninstallCommand& command,
                         const std::string& installDate) {
  for (RegistryRoot root : kRoots) {
    // The entry is written afresh, so that nothing an earlier run wrote stays beside it.
    os::DeleteRegistryKey(root, UninstallKey(record.AppName()));
    if (WriteUnder(root, record, command, installDate)) return true;
    // A part written where the rest was refused is no entry.
    os::DeleteRegistryKey(root, UninstallKey(record.AppName()));
  }
  return false;
}

bool RemoveUninstallEntry(const std::string& appName) {
  bool removed = true;
  for (RegistryRoot root : kRoots)
    removed = os::DeleteRegistryKey(root, UninstallKey(appName)) && removed;
  return removed;
}

}  // namespace cd
