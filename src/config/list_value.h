// A list value of strings, the stored form of string lists and of "StringList".
#pragma once

#include <string>
#include <vector>

namespace cd {

class TBinaryReader;
class TBinaryWriter;

// Reads a list value (code 1) of strings up to its end marker; any other value fails with
// EReadError "Invalid property value".
std::vector<std::string> ReadStringListValue(TBinaryReader& r);
void WriteStringListValue(TBinaryWriter& w, const std::vector<std::string>& items);

}  // namespace cd
