// A file's bytes and the files below a folder, for checking what a run installed.
#include "support/host_files.h"

#include <fstream>
#include <functional>
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

std::map<std::string, std::string> Listing(const std::filesystem::path& folder) {
  std::map<std::string, std::string> listing;
  std::error_code missing;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder, missing)) {
    std::string line = "folder";
    if (entry.is_regular_file()) {
      line = std::to_string(entry.file_size()) + " " +
             std::to_string(entry.last_write_time().time_since_epoch().count()) + " " +
             std::to_string(std::hash<std::string>()(ReadHost(entry.path())));
    }
    listing[std::filesystem::relative(entry.path(), folder).generic_string()] = line;
  }
  return listing;
}

}  // namespace cd::test
