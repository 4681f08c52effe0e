// Standard input and output on Windows: ReadFile and WriteFile on the standard handles, which
// pass bytes through without the C runtime's text-mode translation.
#include "platform/std_streams.h"

#include <windows.h>

#include <algorithm>

#include "base/exceptions.h"
#include "platform/win32/win_error.h"

namespace cd::os {
namespace {

constexpr size_t kLargestCall = 1u << 20;

}  // namespace

size_t ReadStandardInput(void* buffer, size_t count) {
  DWORD got = 0;
  if (!ReadFile(GetStdHandle(STD_INPUT_HANDLE), buffer,
                static_cast<DWORD>(std::min(count, kLargestCall)), &got, nullptr)) {
    // The writer of a pipe closing its end is the end of the input.
    if (GetLastError() == ERROR_BROKEN_PIPE) return 0;
    throw Exception("Cannot read standard input: " + win32::LastErrorText());
  }
  return got;
}

void WriteStandardOutput(const void* data, size_t count) {
  const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
  const auto* bytes = static_cast<const char*>(data);
  size_t done = 0;
  while (done < count) {
    const DWORD chunk = static_cast<DWORD>(std::min(count - done, kLargestCall));
    DWORD put = 0;
    if (!WriteFile(out, bytes + done, chunk, &put, nullptr) || put == 0)
      throw Exception("Cannot write standard output: " + win32::LastErrorText());
    done += put;
  }
}

}  // namespace cd::os
