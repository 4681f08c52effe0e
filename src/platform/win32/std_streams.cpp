// Standard input and output on Windows: ReadFile and WriteFile on the standard handles, which
// pass bytes through without the C runtime's text-mode translation.
#include "platform/std_streams.h"

#include <windows.h>

#include <algorithm>

#include "base/exceptions.h"
#include "platform/win32/win_error.h"

namespace cd::os {

std::string ReadStandardInput() {
  const HANDLE in = GetStdHandle(STD_INPUT_HANDLE);
  std::string data;
  char buffer[65536];
  for (;;) {
    DWORD got = 0;
    if (!ReadFile(in, buffer, sizeof buffer, &got, nullptr)) {
      if (GetLastError() == ERROR_BROKEN_PIPE) return data;
      throw Exception("Cannot read standard input: " + win32::LastErrorText());
    }
    if (got == 0) return data;
    data.append(buffer, got);
  }
}

void WriteStandardOutput(const std::string& data) {
  const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
  size_t done = 0;
  while (done < data.size()) {
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(data.size() - done, 1u << 20));
    DWORD put = 0;
    if (!WriteFile(out, data.data() + done, chunk, &put, nullptr) || put == 0)
      throw Exception("Cannot write standard output: " + win32::LastErrorText());
    done += put;
  }
}

}  // namespace cd::os
