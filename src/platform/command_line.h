// Windows command lines taken apart as CreateProcessA and the C runtime do it. Portable; the
// POSIX layer uses it to start programs, which receive their arguments one by one.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace cd::os {

struct ProgramAndArguments {
  std::string program;    // the program's name as written, without quotes
  std::string arguments;  // the rest of the command line, leading blanks removed
};

// Splits off the program name. A quoted name ends at the next quote. An unquoted name that
// contains blanks ("C:\Program Files\x.exe -q") is resolved as CreateProcessA does: the
// shortest prefix ending before a blank for which isProgram holds, else the first word.
ProgramAndArguments SplitProgram(const std::string& commandLine,
                                 const std::function<bool(const std::string&)>& isProgram);

// Splits arguments by the C runtime's rules: blanks separate, quotes group, 2n backslashes
// before a quote give n backslashes and a quote that opens or closes, 2n+1 give n and a
// literal quote, "" inside quotes gives a literal quote, other backslashes are literal.
std::vector<std::string> SplitArguments(const std::string& arguments);

}  // namespace cd::os
