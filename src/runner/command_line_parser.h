// TCommandLineParser: the program's command line taken apart into the configuration name and
// the switches of an unattended run. Windows style reads "/NAME" and "/NAME=VALUE" in any
// letter case; both styles read "--name" and "--name=value" in lower case. The switches of
// the platform's COM server support are recognised after "/" or "-" in any case.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace cd {

enum class TSilence { None, Silent, VerySilent };
enum class TLogFormat { Text, Json };
enum class TComServerSwitch { None, RegServer, UnregServer, Automation, Embedding };

// What a command line asks for.
struct TRunSwitches {
  // The first argument that is not a switch; nothing when there is none.
  std::optional<std::string> configName;
  TSilence silence = TSilence::None;
  std::optional<std::string> app;         // a number from 1, or a viewer entry's name
  std::optional<std::string> dir;         // the answer to the destination question
  std::optional<std::string> components;  // component paths, comma-separated
  std::string logFile;                    // empty: no install log
  TLogFormat logFormat = TLogFormat::Text;
  // The application to remove; empty: list the recorded applications; nothing: no removal.
  std::optional<std::string> uninstall;
  bool dryRun = false;
  bool noRestart = false;
  // Given by cdrun itself to the temporary copy that takes a removal over from the kept copy:
  // how the copy hands its exit code back (os::HandBackExitCode).
  std::string handover;
  // The publisher's public key (PEM); empty: the key built into the program, if any.
  std::string publicKeyFile;
  bool version = false;
  bool help = false;
  TComServerSwitch comServer = TComServerSwitch::None;

  // Whether the run ends with an exit code that tells how it went (a Windows run otherwise
  // always ends with 0).
  bool ReportsExitCode() const { return silence != TSilence::None || dryRun || noRestart; }
};

class TCommandLineParser {
 public:
  explicit TCommandLineParser(bool windowsStyle) : windowsStyle_(windowsStyle) {}

  // The switches of args (the arguments after the program's name). An unknown switch, a
  // switch without its value, a value given to a switch that takes none and an unknown log
  // format fail with an Exception naming the switch as written.
  TRunSwitches Parse(const std::vector<std::string>& args) const;

 private:
  bool windowsStyle_;
};

}  // namespace cd
