// Terminal helpers of the console views: ANSI text shown in the terminal's UTF-8, answers
// read line by line from standard input (echoed when it is not a terminal, so that
// scripted runs read as transcripts).
#pragma once

#include <optional>
#include <string>

namespace cd::os::console {

bool InputIsTerminal();
bool OutputIsTerminal();

// windows-1250 text as UTF-8 and back; each byte that cannot be converted becomes "?".
std::string ToTerminal(const std::string& ansi);
std::string FromTerminal(const std::string& utf8);

// Writes prompt to standard output and reads one answer line (without its line end);
// nothing at the end of input.
std::optional<std::string> ReadAnswer(const std::string& prompt);

}  // namespace cd::os::console
