// Taking Windows command lines apart.
#include "platform/command_line.h"

namespace cd::os {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

size_t SkipBlanks(const std::string& s, size_t pos) {
  while (pos < s.size() && IsBlank(s[pos])) ++pos;
  return pos;
}

}  // namespace

ProgramAndArguments SplitProgram(const std::string& commandLine,
                                 const std::function<bool(const std::string&)>& isProgram) {
  const size_t start = SkipBlanks(commandLine, 0);
  if (start < commandLine.size() && commandLine[start] == '"') {
    const size_t close = commandLine.find('"', start + 1);
    if (close == std::string::npos) return {commandLine.substr(start + 1), ""};
    return {commandLine.substr(start + 1, close - start - 1),
            commandLine.substr(SkipBlanks(commandLine, close + 1))};
  }
  size_t firstEnd = std::string::npos;
  for (size_t pos = start; pos <= commandLine.size(); ++pos) {
    if (pos < commandLine.size() && !IsBlank(commandLine[pos])) continue;
    if (pos == start || IsBlank(commandLine[pos - 1])) continue;
    if (firstEnd == std::string::npos) firstEnd = pos;
    const std::string candidate = commandLine.substr(start, pos - start);
    if (isProgram(candidate)) return {candidate, commandLine.substr(SkipBlanks(commandLine, pos))};
  }
  if (firstEnd == std::string::npos) return {"", ""};
  return {commandLine.substr(start, firstEnd - start),
          commandLine.substr(SkipBlanks(commandLine, firstEnd))};
}

std::vector<std::string> SplitArguments(const std::string& arguments) {
  std::vector<std::string> result;
  size_t pos = SkipBlanks(arguments, 0);
  while (pos < arguments.size()) {
    std::string arg;
    bool quoted = false;
    while (pos < arguments.size() && (quoted || !IsBlank(arguments[pos]))) {
      size_t slashes = 0;
      while (pos < arguments.size() && arguments[pos] == '\\') ++slashes, ++pos;
      if (pos < arguments.size() && arguments[pos] == '"') {
        arg.append(slashes / 2, '\\');
        if (slashes % 2 == 1) {
          arg += '"';
        } else if (quoted && pos + 1 < arguments.size() && arguments[pos + 1] == '"') {
          arg += '"';
          ++pos;
        } else {
          quoted = !quoted;
        }
        ++pos;
      } else if (slashes > 0) {
        arg.append(slashes, '\\');
      } else {
        arg += arguments[pos++];
      }
    }
    result.push_back(arg);
    pos = SkipBlanks(arguments, pos);
  }
  return result;
}

}  // namespace cd::os
