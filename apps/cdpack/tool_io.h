// Whole-file input and output of cdpack, with "-" for standard input and output.
#pragma once

#include <string>

namespace cd::cdpack {

std::string ReadInput(const std::string& name);
// A file is replaced only once the whole output is there; "-" writes standard output.
void WriteOutput(const std::string& name, const std::string& data);
// The name shown in messages ("<stdin>" and "<stdout>" for "-").
std::string InputName(const std::string& name);
std::string OutputName(const std::string& name);

}  // namespace cd::cdpack
