// The entry of an installed application in the system's list of installed programs
// (Software\Microsoft\Windows\CurrentVersion\Uninstall\<name>): on Windows in the machine's
// keys when the run may write there, otherwise in the current user's; on POSIX the same keys
// in the drive map's registry file.
#pragma once

#include <string>

namespace cd {

class TInstallRecord;

// The file name of the copy of cdrun kept in an application's record folder for its entry.
constexpr const char* kKeptProgram = "cdrun.exe";

// The key of an application's entry below the root.
std::string UninstallKey(const std::string& appName);

// What the entry starts to remove the application: the kept program and its switch.
struct TUninstallCommand {
  std::string program;  // the full name of the kept copy of cdrun
  std::string UninstallString(const std::string& appName) const;
  std::string QuietUninstallString(const std::string& appName) const;
};

// Writes the entry of record's application; false when neither root takes it.
bool WriteUninstallEntry(const TInstallRecord& record, const TUninstallCommand& command,
                         const std::string& installDate);

// Removes the entry under both roots; false when one that exists cannot be removed.
bool RemoveUninstallEntry(const std::string& appName);

}  // namespace cd
