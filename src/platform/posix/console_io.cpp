// Terminal helpers of the console views.
#include "platform/posix/console_io.h"

#include <iconv.h>
#include <unistd.h>

#include <cerrno>
#include <iostream>

namespace cd::os::console {

namespace {

std::string Convert(const std::string& text, const char* to, const char* from) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return text;
  std::string out;
  char buffer[256];
  char* in = const_cast<char*>(text.data());
  size_t inLeft = text.size();
  while (inLeft > 0) {
    char* outPtr = buffer;
    size_t outLeft = sizeof buffer;
    const size_t rc = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
    out.append(buffer, static_cast<size_t>(outPtr - buffer));
    if (rc == static_cast<size_t>(-1) && errno != E2BIG) {
      // An undecodable byte or sequence: shown as "?", then go on after it.
      out += '?';
      ++in;
      --inLeft;
      if (errno == EINVAL) break;
    }
  }
  iconv_close(cd);
  return out;
}

}  // namespace

bool InputIsTerminal() {
  return isatty(STDIN_FILENO) == 1;
}
bool OutputIsTerminal() {
  return isatty(STDOUT_FILENO) == 1;
}

std::string ToTerminal(const std::string& ansi) {
  return Convert(ansi, "UTF-8", "CP1250");
}
std::string FromTerminal(const std::string& utf8) {
  return Convert(utf8, "CP1250", "UTF-8");
}

std::optional<std::string> ReadAnswer(const std::string& prompt) {
  std::cout << prompt << std::flush;
  std::string line;
  if (!std::getline(std::cin, line)) {
    std::cout << '\n';
    return std::nullopt;
  }
  if (!line.empty() && line.back() == '\r') line.pop_back();
  if (!InputIsTerminal()) std::cout << line << '\n';
  std::cout << std::flush;
  return FromTerminal(line);
}

}  // namespace cd::os::console
