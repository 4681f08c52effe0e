// Taking the command line apart: one table of switches for both spellings.
#include "runner/command_line_parser.h"

#include <string_view>

#include "base/exceptions.h"
#include "config/component.h"
#include "util/format.h"

namespace cd {
namespace {

enum class Kind { Flag, Value, OptionalValue };

struct Switch {
  const char* windowsName;  // after "/", any letter case
  const char* name;         // after "--", exactly
  Kind kind;
  void (*take)(TRunSwitches& switches, const std::string& value);
};

const Switch kSwitches[] = {
    {"SILENT", "silent", Kind::Flag,
     [](TRunSwitches& s, const std::string&) {
       if (s.silence == TSilence::None) s.silence = TSilence::Silent;
     }},
    {"VERYSILENT", "very-silent", Kind::Flag,
     [](TRunSwitches& s, const std::string&) { s.silence = TSilence::VerySilent; }},
    {"APP", "app", Kind::Value, [](TRunSwitches& s, const std::string& v) { s.app = v; }},
    {"DIR", "dir", Kind::Value, [](TRunSwitches& s, const std::string& v) { s.dir = v; }},
    {"COMPONENTS", "components", Kind::Value,
     [](TRunSwitches& s, const std::string& v) { s.components = v; }},
    {"LOG", "log", Kind::Value, [](TRunSwitches& s, const std::string& v) { s.logFile = v; }},
    {"LOGFORMAT", "log-format", Kind::Value, nullptr},  // checked by Parse
    {"DRYRUN", "dry-run", Kind::Flag, [](TRunSwitches& s, const std::string&) { s.dryRun = true; }},
    {"NORESTART", "no-restart", Kind::Flag,
     [](TRunSwitches& s, const std::string&) { s.noRestart = true; }},
    {"UNINSTALL", "uninstall", Kind::OptionalValue,
     [](TRunSwitches& s, const std::string& v) { s.uninstall = v; }},
    {"HANDOVER", "handover", Kind::Value,
     [](TRunSwitches& s, const std::string& v) { s.handover = v; }},
    {"PUBKEY", "pubkey", Kind::Value,
     [](TRunSwitches& s, const std::string& v) { s.publicKeyFile = v; }},
    {"VERSION", "version", Kind::Flag,
     [](TRunSwitches& s, const std::string&) { s.version = true; }},
    {"HELP", "help", Kind::Flag, [](TRunSwitches& s, const std::string&) { s.help = true; }},
    {"?", nullptr, Kind::Flag, [](TRunSwitches& s, const std::string&) { s.help = true; }},
};

struct ComSwitch {
  const char* name;
  TComServerSwitch value;
};

const ComSwitch kComSwitches[] = {
    {"REGSERVER", TComServerSwitch::RegServer},
    {"UNREGSERVER", TComServerSwitch::UnregServer},
    {"AUTOMATION", TComServerSwitch::Automation},
    {"EMBEDDING", TComServerSwitch::Embedding},
};

std::optional<TComServerSwitch> ComServerSwitch(std::string_view arg) {
  if (arg.size() < 2 || (arg[0] != '/' && arg[0] != '-')) return std::nullopt;
  for (const ComSwitch& each : kComSwitches)
    if (SameText(arg.substr(1), each.name)) return each.value;
  return std::nullopt;
}

[[noreturn]] void Refuse(const char* what, const std::string& arg) {
  throw Exception(Format("cdrun: %s \"%s\"; see --help", {what, arg}));
}

void TakeLogFormat(TRunSwitches& switches, const std::string& arg, const std::string& value) {
  if (SameText(value, "text")) {
    switches.logFormat = TLogFormat::Text;
  } else if (SameText(value, "json")) {
    switches.logFormat = TLogFormat::Json;
  } else {
    Refuse("Unknown log format (text or json) in", arg);
  }
}

}  // namespace

TRunSwitches TCommandLineParser::Parse(const std::vector<std::string>& args) const {
  TRunSwitches switches;
  for (const std::string& arg : args) {
    if (std::optional<TComServerSwitch> com = ComServerSwitch(arg)) {
      switches.comServer = *com;
      continue;
    }
    // The short help of POSIX programs.
    if (!windowsStyle_ && arg == "-h") {
      switches.help = true;
      continue;
    }
    const bool dashes = arg.size() > 2 && arg.compare(0, 2, "--") == 0;
    const bool slash = windowsStyle_ && arg.size() > 1 && arg[0] == '/';
    if (!dashes && !slash) {
      if (arg.size() > 1 && arg[0] == '-') Refuse("Unknown switch", arg);
      if (!switches.configName) switches.configName = arg;
      continue;
    }
    const std::string body = arg.substr(dashes ? 2 : 1);
    const size_t equals = body.find('=');
    const std::string name = body.substr(0, equals);
    const Switch* found = nullptr;
    for (const Switch& each : kSwitches) {
      if (dashes ? each.name && name == each.name : SameText(name, each.windowsName)) {
        found = &each;
        break;
      }
    }
    if (!found) Refuse("Unknown switch", arg);
    if (found->kind == Kind::Flag) {
      if (equals != std::string::npos) Refuse("The switch takes no value:", arg);
      found->take(switches, std::string());
      continue;
    }
    if (found->kind == Kind::OptionalValue && equals == std::string::npos) {
      found->take(switches, std::string());
      continue;
    }
    if (equals == std::string::npos || equals + 1 == body.size())
      Refuse("The switch needs a value after \"=\":", arg);
    const std::string value = body.substr(equals + 1);
    if (found->take)
      found->take(switches, value);
    else
      TakeLogFormat(switches, arg, value);
  }
  return switches;
}

}  // namespace cd
