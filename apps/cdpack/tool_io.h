// Input and output of cdpack, with "-" for standard input and output. Both are streamed; an
// output file is replaced only once the whole output is there, while standard output gets each
// block as it is made.
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

// The named file opened for reading, or standard input, read forward only.
std::unique_ptr<TStream> OpenInput(const std::string& name);
// Calls write with the output stream: a new file beside name that replaces it when write has
// finished (nothing is left behind when it fails), or standard output (which keeps what was
// written before a failure, as a pipe cannot take it back).
void WriteOutput(const std::string& name, const std::function<void(TStream&)>& write);
// The name shown in messages ("<stdin>" and "<stdout>" for "-").
std::string InputName(const std::string& name);
std::string OutputName(const std::string& name);

}  // namespace cd::cdpack
