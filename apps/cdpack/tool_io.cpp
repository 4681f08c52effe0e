// Whole-file input and output of cdpack.
#include "tool_io.h"

#include "platform/files.h"
#include "platform/replace_file.h"
#include "platform/std_streams.h"

namespace cd::cdpack {

std::string InputName(const std::string& name) {
  return name == "-" ? "<stdin>" : name;
}
std::string OutputName(const std::string& name) {
  return name == "-" ? "<stdout>" : name;
}

std::string ReadInput(const std::string& name) {
  return name == "-" ? os::ReadStandardInput() : os::ReadWholeFile(name);
}

void WriteOutput(const std::string& name, const std::string& data) {
  if (name == "-") {
    os::WriteStandardOutput(data);
  } else {
    os::ReplaceFileAtomically(name, data);
  }
}

}  // namespace cd::cdpack
