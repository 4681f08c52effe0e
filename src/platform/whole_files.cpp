// Whole-file reading and writing, built on the platform's file API alike on every system.
#include <string>

#include "platform/files.h"

namespace cd::os {

std::string ReadWholeFile(const std::string& path) {
  auto file = OpenFile(path, OpenMode::Read, ShareMode::DenyNone);
  std::string data;
  char buffer[65536];
  while (const int64_t got = file->Read(buffer, sizeof buffer)) data.append(buffer, got);
  return data;
}

void WriteWholeFile(const std::string& path, const std::string& data) {
  auto file = OpenFile(path, OpenMode::Create, ShareMode::Exclusive);
  file->Write(data.data(), static_cast<int64_t>(data.size()));
}

}  // namespace cd::os
