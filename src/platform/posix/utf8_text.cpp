// windows-1250 to UTF-8 through iconv, as the console shows it.
#include "platform/utf8_text.h"

#include "platform/posix/console_io.h"

namespace cd::os {

std::string AnsiToUtf8(const std::string& ansi) {
  return console::ToTerminal(ansi);
}

}  // namespace cd::os
