// Input and output of cdpack, with "-" for standard input and output. Files are streamed; an
// output file is replaced only once the whole output is there.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "base/exceptions.h"
#include "streams/stream.h"

namespace cd::cdpack {

// A failure to write the output, told apart from failures of reading and decoding the input.
class EOutputFailure : public Exception {
 public:
  using Exception::Exception;
};

// The named file opened for reading, or standard input read whole.
std::unique_ptr<TStream> OpenInput(const std::string& name);
// Calls write with the output stream: a new file beside name that replaces it when write has
// finished (nothing is left behind when it fails), or standard output.
void WriteOutput(const std::string& name, const std::function<void(TStream&)>& write);
// The name shown in messages ("<stdin>" and "<stdout>" for "-").
std::string InputName(const std::string& name);
std::string OutputName(const std::string& name);

}  // namespace cd::cdpack
