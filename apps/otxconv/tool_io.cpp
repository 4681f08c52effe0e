// Reads a whole input into one buffer of its exact size and writes outputs at once.
#include "tool_io.h"

#include "base/exceptions.h"
#include "platform/files.h"
#include "platform/std_streams.h"

namespace cd::otxconv {

std::string InputName(const std::string& name) { return name == "-" ? "<stdin>" : name; }

std::string ReadInput(const std::string& name) {
  if (name == "-") return os::ReadStandardInput();
  const int64_t size = os::FileSize(name);
  if (size < 0) throw Exception(name + ": file not found");
  auto file = os::OpenFile(name, os::OpenMode::Read, os::ShareMode::DenyWrite);
  std::string data(static_cast<size_t>(size), '\0');
  size_t done = 0;
  while (done < data.size()) {
    const int64_t got = file->Read(data.data() + done, static_cast<int64_t>(data.size() - done));
    if (got <= 0) break;
    done += static_cast<size_t>(got);
  }
  data.resize(done);
  return data;
}

void WriteOutput(const std::string& name, const std::string& data) {
  if (name == "-") {
    os::WriteStandardOutput(data);
  } else {
    os::WriteWholeFile(name, data);
  }
}

}  // namespace cd::otxconv
