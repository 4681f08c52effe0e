// The command line of cdbuild.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace cd::build {

struct Options {
  bool help = false;
  bool list = false;
  std::string description;  // host path (POSIX) or Windows path of the description
  std::string medium;       // MediumId, Descr, component name or 1-based index
  std::vector<std::pair<char, std::string>> maps;  // --map X=HOSTDIR, in order
  std::string signingKey;  // --sign KEY.pem: the private key that signs the sums
  unsigned jobs = 0;       // --jobs N: threads that pack the files; 0 until parsed
};

// Parses the arguments after the program name; fails with cd::Exception naming the problem.
Options ParseOptions(const std::vector<std::string>& args);

extern const char* const kHelp;

}  // namespace cd::build
