// The command line: both spellings of every switch, the configuration name beside them, the
// COM server switches, and the failures that name the switch as written.
#include "runner/command_line_parser.h"

#include <gtest/gtest.h>

#include "support/message_of.h"

namespace cd {
namespace {

// The switches in one line, for comparing a whole parse at once.
std::string Summary(const TRunSwitches& s) {
  std::string text = "config=" + s.configName.value_or("-");
  text += s.silence == TSilence::Silent       ? " silent"
          : s.silence == TSilence::VerySilent ? " very"
                                              : "";
  if (s.app) text += " app=" + *s.app;
  if (s.dir) text += " dir=" + *s.dir;
  if (s.components) text += " components=" + *s.components;
  if (!s.logFile.empty()) text += " log=" + s.logFile;
  if (s.logFormat == TLogFormat::Json) text += " json";
  if (s.uninstall) text += " uninstall=" + *s.uninstall;
  if (s.dryRun) text += " dry";
  if (s.noRestart) text += " norestart";
  if (!s.handover.empty()) text += " handover=" + s.handover;
  if (!s.publicKeyFile.empty()) text += " pubkey=" + s.publicKeyFile;
  if (s.version) text += " version";
  if (s.help) text += " help";
  if (s.comServer != TComServerSwitch::None)
    text += " com" + std::to_string(static_cast<int>(s.comServer));
  return text;
}

struct Case {
  bool windows;
  std::vector<std::string> args;
  const char* expected;
};

TEST(CommandLineParserTest, EverySwitchInBothSpellings) {
  const Case cases[] = {
      {true, {}, "config=-"},
      {true, {"d:\\cd\\run.cfg", "e:\\other.cfg"}, "config=d:\\cd\\run.cfg"},
      {true, {"/silent", "http://x/run.cfg"}, "config=http://x/run.cfg silent"},
      {true, {"/VerySilent", "/SILENT"}, "config=- very"},
      {true,
       {"/APP=2", "/dir=d:\\Kurs", "/Components=Courses\\German,Help"},
       "config=- app=2 dir=d:\\Kurs components=Courses\\German,Help"},
      {true, {"/LOG=c:\\a=b.log", "/LOGFORMAT=JSON"}, "config=- log=c:\\a=b.log json"},
      {true, {"/DRYRUN", "/NoRestart", "/?"}, "config=- dry norestart help"},
      {true, {"/PubKey=k.pem", "/VERSION"}, "config=- pubkey=k.pem version"},
      {false, {"--pubkey=k.pem", "--version"}, "config=- pubkey=k.pem version"},
      {true, {"/HELP"}, "config=- help"},
      {true,
       {"--very-silent", "--app=German for Beginners", "--log-format=text"},
       "config=- very app=German for Beginners"},
      {false,
       {"--silent", "--dir=c:\\x", "--components=A", "--log=/tmp/l", "--dry-run"},
       "config=- silent dir=c:\\x components=A log=/tmp/l dry"},
      {false, {"--no-restart", "--help", "run.cfg"}, "config=run.cfg norestart help"},
      {false, {"-h"}, "config=- help"},
      {true, {"/Uninstall=Nemcina_A8", "/DRYRUN"}, "config=- uninstall=Nemcina_A8 dry"},
      {true, {"/UNINSTALL"}, "config=- uninstall="},
      {false, {"--uninstall=A b"}, "config=- uninstall=A b"},
      {false, {"--uninstall"}, "config=- uninstall="},
      {true, {"/UNINSTALL=A", "/HandOver=12,34"}, "config=- uninstall=A handover=12,34"},
      // A POSIX host path may begin with "/": it is the configuration, not a switch.
      {false, {"/home/u/cd/run.cfg", "/SILENT"}, "config=/home/u/cd/run.cfg"},
      // The COM server switches, after "/" or "-", never become the configuration.
      {true, {"/RegServer"}, "config=- com1"},
      {true, {"-UNREGSERVER", "c:\\run.cfg"}, "config=c:\\run.cfg com2"},
      {false, {"-automation"}, "config=- com3"},
      {false, {"/Embedding"}, "config=- com4"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Summary(TCommandLineParser(c.windows).Parse(c.args)), c.expected)
        << ::testing::PrintToString(c.args);
}

TEST(CommandLineParserTest, FailuresNameTheSwitchAsWritten) {
  const Case cases[] = {
      {true, {"/QUIET"}, "cdrun: Unknown switch \"/QUIET\"; see --help"},
      {true, {"--Silent"}, "cdrun: Unknown switch \"--Silent\"; see --help"},
      {false, {"--verysilent"}, "cdrun: Unknown switch \"--verysilent\"; see --help"},
      {false, {"-x"}, "cdrun: Unknown switch \"-x\"; see --help"},
      {false, {"--?"}, "cdrun: Unknown switch \"--?\"; see --help"},
      {true, {"/DIR"}, "cdrun: The switch needs a value after \"=\": \"/DIR\"; see --help"},
      {true, {"/APP="}, "cdrun: The switch needs a value after \"=\": \"/APP=\"; see --help"},
      {false, {"--log"}, "cdrun: The switch needs a value after \"=\": \"--log\"; see --help"},
      {true, {"/SILENT=1"}, "cdrun: The switch takes no value: \"/SILENT=1\"; see --help"},
      {false,
       {"--log-format=xml"},
       "cdrun: Unknown log format (text or json) in \"--log-format=xml\"; see --help"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(test::MessageOf([&] { TCommandLineParser(c.windows).Parse(c.args); }), c.expected)
        << ::testing::PrintToString(c.args);
}

}  // namespace
}  // namespace cd
