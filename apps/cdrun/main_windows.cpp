// cdrun on Windows: a windowed program without a main window; it always ends with exit code 0.
#ifdef _WIN32

#include <string>
#include <vector>

#include "entry.h"

int main(int argc, char** argv) {
  cd::RunEntry(std::vector<std::string>(argv + 1, argv + argc));
  return 0;
}

#endif
