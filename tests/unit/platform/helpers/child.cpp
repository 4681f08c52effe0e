// A child process for the platform tests. Commands:
//   exit N              ends with exit code N
//   write FILE ARGS...  writes the ARGS joined by "|" to FILE, then ends with 0
//   sleep MS            sleeps MS milliseconds, then ends with 3
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>

int main(int argc, char** argv) {
  if (argc >= 3 && std::strcmp(argv[1], "exit") == 0) return std::atoi(argv[2]);
  if (argc >= 3 && std::strcmp(argv[1], "write") == 0) {
    std::string joined;
    for (int i = 3; i < argc; ++i) joined += (i > 3 ? "|" : "") + std::string(argv[i]);
    std::ofstream(argv[2], std::ios::binary) << joined;
    return 0;
  }
  if (argc >= 3 && std::strcmp(argv[1], "sleep") == 0) {
    std::this_thread::sleep_for(std::chrono::milliseconds(std::atoi(argv[2])));
    return 3;
  }
  return 99;
}
