// The process's standard input and output as raw bytes (no line-end translation), for tools
// that read or write "-".
#pragma once

#include <string>

namespace cd::os {

// Reads standard input to its end. Failures raise cd::Exception with the system's reason.
std::string ReadStandardInput();
// Writes all of data to standard output.
void WriteStandardOutput(const std::string& data);

}  // namespace cd::os
