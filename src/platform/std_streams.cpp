// Standard input read whole and standard output written whole, over the block calls of each
// system.
#include "platform/std_streams.h"

namespace cd::os {

std::string ReadStandardInput() {
  std::string data;
  char buffer[65536];
  while (const size_t got = ReadStandardInput(buffer, sizeof buffer)) data.append(buffer, got);
  return data;
}

void WriteStandardOutput(const std::string& data) {
  WriteStandardOutput(data.data(), data.size());
}

}  // namespace cd::os
