// Writes the demo library for POSIX builds: a PE image without code that carries the same
// version resource (1.2.0.5) as the Windows DLL, so that the version rule has a file to read.
#include <cstdio>
#include <fstream>

#include "support/pe_builder.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_versioned_file OUTPUT\n");
    return 2;
  }
  cd::test::PeOptions options;
  options.fileVersion = cd::test::MakeVersion(1, 2, 0, 5);
  options.productVersion = *options.fileVersion;
  options.fileVersionText = "1.2.0.5";
  std::ofstream out(argv[1], std::ios::binary);
  out << cd::test::BuildPeImage(options);
  if (!out.flush()) {
    std::perror(argv[1]);
    return 1;
  }
  return 0;
}
