// What the stand-in course player answers: the tests' own player, as an automation server
// (Windows: a COM server in a DLL) or as a local provider (POSIX).
#pragma once

#include <string>

namespace cd::test {

struct StandInSetup {
  // The server folder of a data set is root, the data set's name and a backslash.
  std::string root;
  // The card file of the current data set; empty: the player has no card.
  std::string cardFile;
  // A file that records every call, one line each; empty: none.
  std::string trace;
  // How many times the ready flag is asked, after the start, before it is set.
  int pollsUntilReady = 3;
  // Announces readiness by the event "2002" instead of the ready flag.
  bool readySignal = false;
};

// Appends line to the trace file of setup, when it has one.
void Trace(const StandInSetup& setup, const std::string& line);

}  // namespace cd::test
