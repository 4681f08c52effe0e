// A file's bytes and the files below a folder, for checking what a run installed.
#include "support/host_files.h"

#include <fstream>
#include <sstream>

namespace cd::test {

std::string ReadHost(const std::filesystem::path& name) {
  std::ifstream in(name, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

std::set<std::string> FilesUnder(const std::filesystem::path& folder) {
  std::set<std::string> files;
  if (!std::filesystem::exists(folder)) return files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
    if (entry.is_regular_file())
      files.insert(std::filesystem::relative(entry.path(), folder).generic_string());
  return files;
}

}  // namespace cd::test
