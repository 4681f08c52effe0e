// Streamed input and output of cdpack.
#include "tool_io.h"

#include "platform/files.h"
#include "platform/replace_file.h"
#include "standard_input_stream.h"
#include "standard_output_stream.h"
#include "streams/file_stream.h"

namespace cd::cdpack {
namespace {

// The new output file as a stream; its write failures are output failures.
class TOutputStream : public TStream {
 public:
  TOutputStream(os::File& file, std::string name) : file_(file), name_(std::move(name)) {}

  int64_t Read(void*, int64_t) override { return 0; }
  int64_t Write(const void* buffer, int64_t count) override {
    try {
      if (file_.Write(buffer, count) == count) return count;
    } catch (const Exception& e) {
      throw EOutputFailure(e.Message());
    }
    throw EOutputFailure("Cannot write \"" + name_ + "\"");
  }
  int64_t Seek(int64_t offset, TSeekOrigin origin) override {
    return file_.Seek(offset, static_cast<int>(origin));
  }

 private:
  os::File& file_;
  std::string name_;
};

}  // namespace

std::string InputName(const std::string& name) {
  return name == "-" ? "<stdin>" : name;
}
std::string OutputName(const std::string& name) {
  return name == "-" ? "<stdout>" : name;
}

std::unique_ptr<TStream> OpenInput(const std::string& name) {
  if (name == "-") return std::make_unique<TStandardInputStream>();
  return std::make_unique<TFileStream>(name, os::OpenMode::Read, os::ShareMode::DenyWrite);
}

void WriteOutput(const std::string& name, const std::function<void(TStream&)>& write) {
  if (name == "-") {
    TStandardOutputStream output;
    write(output);
    return;
  }
  std::unique_ptr<os::ReplacementFile> file;
  try {
    file = std::make_unique<os::ReplacementFile>(name);
  } catch (const Exception& e) {
    throw EOutputFailure(e.Message());
  }
  TOutputStream output(file->File(), name);
  write(output);
  try {
    file->Commit();
  } catch (const Exception& e) {
    throw EOutputFailure(e.Message());
  }
}

}  // namespace cd::cdpack
