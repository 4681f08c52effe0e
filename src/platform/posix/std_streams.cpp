// Standard input and output on POSIX: read(2) and write(2) on descriptors 0 and 1.
#include "platform/std_streams.h"

#include <unistd.h>

#include <cerrno>

#include "base/exceptions.h"
#include "platform/posix/posix_file.h"

namespace cd::os {

std::string ReadStandardInput() {
  std::string data;
  char buffer[65536];
  for (;;) {
    const ssize_t got = read(STDIN_FILENO, buffer, sizeof buffer);
    if (got == 0) return data;
    if (got < 0) {
      if (errno == EINTR) continue;
      throw Exception("Cannot read standard input: " + posix::SystemReason(errno));
    }
    data.append(buffer, static_cast<size_t>(got));
  }
}

void WriteStandardOutput(const std::string& data) {
  size_t done = 0;
  while (done < data.size()) {
    const ssize_t put = write(STDOUT_FILENO, data.data() + done, data.size() - done);
    if (put < 0) {
      if (errno == EINTR) continue;
      throw Exception("Cannot write standard output: " + posix::SystemReason(errno));
    }
    done += static_cast<size_t>(put);
  }
}

}  // namespace cd::os
