// Looking at what a run left on disk: a file's bytes and the files below a folder.
#pragma once

#include <filesystem>
#include <map>
#include <set>
#include <string>

namespace cd::test {

// The whole content of a file; empty when it cannot be read.
std::string ReadHost(const std::filesystem::path& name);

// The regular files below folder, as relative paths with "/"; empty when it does not exist.
std::set<std::string> FilesUnder(const std::filesystem::path& folder);

// Every folder and file below folder (relative paths with "/") with its size, date and a
// hash of its contents, for showing that a run changed nothing; empty when it does not exist.
std::map<std::string, std::string> Listing(const std::filesystem::path& folder);

}  // namespace cd::test
