// Copying between two sides that only read and write, through a buffer of one block.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

namespace cd {

// Copies up to count bytes: read(buffer, n) returns how many it read (0 at the end) and
// write(buffer, n) takes all of them. Returns how many were copied.
template <typename ReadFn, typename WriteFn>
int64_t CopyThroughBuffer(int64_t count, ReadFn&& read, WriteFn&& write) {
  constexpr int64_t kBlock = 61440;
  std::vector<char> buffer(static_cast<size_t>(std::clamp<int64_t>(count, 0, kBlock)));
  int64_t done = 0;
  while (done < count) {
    const int64_t n = read(buffer.data(), std::min<int64_t>(count - done, kBlock));
    if (n <= 0) break;
    write(buffer.data(), n);
    done += n;
  }
  return done;
}

}  // namespace cd
