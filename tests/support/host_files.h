// Looking at what a run left on disk: a file's bytes and the files below a folder.
#pragma once

#include <filesystem>
#include <set>
#include <string>

namespace cd::test {

// The whole content of a file; empty when it cannot be read.
std::string ReadHost(const std::filesystem::path& name);

// The regular files below folder, as relative paths with "/"; empty when it does not exist.
std::set<std::string> FilesUnder(const std::filesystem::path& folder);

}  // namespace cd::test
