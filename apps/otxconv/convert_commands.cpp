// text2bin and bin2text: every object block of a text to the binary form and back, whatever
// class names the text uses.
#include "base/exceptions.h"
#include "commands.h"
#include "config/object_text.h"
#include "tool_io.h"
#include "util/format.h"

namespace cd::otxconv {

int RunText2Bin(const std::vector<std::string>& args) {
  const std::string text = ReadInput(args[0]);
  std::string binary;
  try {
    binary = ObjectTextToBinaryAll(text);
  } catch (const EParserError& e) {
    throw Exception(Format("%s: %s (byte offset %d)",
                           {InputName(args[0]), e.Message(), static_cast<long long>(e.Position())}));
  }
  WriteOutput(args[1], binary);
  return 0;
}

int RunBin2Text(const std::vector<std::string>& args) {
  const std::string binary = ReadInput(args[0]);
  std::string text;
  try {
    text = ObjectBinaryToTextAll(binary);
  } catch (const EReadError& e) {
    throw Exception(InputName(args[0]) + ": " + e.Message());
  }
  WriteOutput(args[1], text);
  return 0;
}

}  // namespace cd::otxconv
