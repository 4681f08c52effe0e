// Whole-file input and output of otxconv, with "-" for standard input and output.
#pragma once

#include <string>

namespace cd::otxconv {

std::string ReadInput(const std::string& name);
void WriteOutput(const std::string& name, const std::string& data);
// The name shown in messages ("<stdin>" and "<stdout>" for "-").
std::string InputName(const std::string& name);

}  // namespace cd::otxconv
