// Standard input and output on POSIX: read(2) and write(2) on descriptors 0 and 1.
#include "platform/std_streams.h"

#include <unistd.h>

#include <cerrno>

#include "base/exceptions.h"
#include "platform/posix/posix_file.h"

namespace cd::os {

size_t ReadStandardInput(void* buffer, size_t count) {
  for (;;) {
    const ssize_t got = read(STDIN_FILENO, buffer, count);
    if (got >= 0) return static_cast<size_t>(got);
    if (errno != EINTR)
      throw Exception("Cannot read standard input: " + posix::SystemReason(errno));
  }
}

void WriteStandardOutput(const void* data, size_t count) {
  const auto* bytes = static_cast<const char*>(data);
  size_t done = 0;
  while (done < count) {
    const ssize_t put = write(STDOUT_FILENO, bytes + done, count - done);
    if (put < 0) {
      if (errno == EINTR) continue;
      throw Exception("Cannot write standard output: " + posix::SystemReason(errno));
    }
    done += static_cast<size_t>(put);
  }
}

}  // namespace cd::os
