// check: reads a text into objects through the class registry, writes the objects back as
// object text and reports the first line where the written text differs from the text read.
#include <cstdio>
#include <string_view>

#include "base/exceptions.h"
#include "commands.h"
#include "config/config_io.h"
#include "config/object_text.h"
#include "runner/all_classes.h"
#include "streams/memory_stream.h"
#include "tool_io.h"

namespace cd::otxconv {

namespace {

// The next line of text from pos (without its CR LF or LF); false at the end.
bool NextLine(std::string_view text, size_t& pos, std::string_view& line) {
  if (pos >= text.size()) return false;
  size_t end = text.find('\n', pos);
  if (end == std::string_view::npos) end = text.size();
  line = text.substr(pos, end - pos);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  pos = end + 1;
  return true;
}

// Prints the first differing line; returns whether the texts have the same lines.
bool CompareLines(const std::string& name, std::string_view read, std::string_view written) {
  size_t readPos = 0, writtenPos = 0;
  for (int lineNo = 1;; ++lineNo) {
    std::string_view a, b;
    const bool hasA = NextLine(read, readPos, a);
    const bool hasB = NextLine(written, writtenPos, b);
    if (!hasA && !hasB) return true;
    if (hasA && hasB && a == b) continue;
    std::fprintf(stderr, "%s:%d: the written text differs\n  read:    %.*s\n  written: %.*s\n",
                 name.c_str(), lineNo, static_cast<int>(a.size()), hasA ? a.data() : "",
                 static_cast<int>(b.size()), hasB ? b.data() : "");
    if (!hasA) std::fprintf(stderr, "  (the text read ends before this line)\n");
    if (!hasB) std::fprintf(stderr, "  (the written text ends before this line)\n");
    return false;
  }
}

}  // namespace

int RunCheck(const std::vector<std::string>& args) {
  RegisterAllClasses();
  const std::string name = InputName(args[0]);
  std::string text = ReadInput(args[0]);
  TObjectList objects;
  try {
    TMemoryStream input(text);
    StreamReadConfig(input, &objects);
  } catch (const Exception& e) {
    throw Exception(name + ": " + e.Message());
  }
  std::vector<const TComponent*> roots;
  for (const auto& o : objects) roots.push_back(o.get());
  TMemoryStream output;
  WriteObjects(output, roots);
  if (!CompareLines(name, text, output.Data())) return 1;
  std::printf("%s: %d object(s) read and written back unchanged\n", name.c_str(),
              static_cast<int>(objects.size()));
  return 0;
}

}  // namespace cd::otxconv
