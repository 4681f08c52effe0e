// The process's standard input and output as raw bytes (no line-end translation), for tools
// that read or write "-".
#pragma once

#include <cstddef>
#include <string>

namespace cd::os {

// Reads up to count bytes of standard input; returns how many, 0 only at its end. Failures
// raise cd::Exception with the system's reason.
size_t ReadStandardInput(void* buffer, size_t count);
// Writes all count bytes to standard output.
void WriteStandardOutput(const void* data, size_t count);

// Reads standard input to its end.
std::string ReadStandardInput();
// Writes all of data to standard output.
void WriteStandardOutput(const std::string& data);

}  // namespace cd::os
