// ANSI text in UTF-8 on POSIX: the console's windows-1250 conversion.
#include "platform/text_encoding.h"

#include "platform/posix/console_io.h"

namespace cd::os {

std::string AnsiToUtf8(const std::string& ansi) {
  return console::ToTerminal(ansi);
}

}  // namespace cd::os
