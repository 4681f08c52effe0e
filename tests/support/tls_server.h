// An HTTPS file server on 127.0.0.1 with a freshly made self-signed certificate, run as an
// "openssl s_server" child process (POSIX only): for tests that a client checks certificates.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "support/temp_dir.h"

namespace cd::test {

class TlsServer {
 public:
  // Serves the files under root; fails with std::runtime_error when the server does not come
  // up within a few seconds.
  explicit TlsServer(const std::filesystem::path& root);
  ~TlsServer();
  TlsServer(const TlsServer&) = delete;
  TlsServer& operator=(const TlsServer&) = delete;

  // "https://127.0.0.1:<port>/" followed by path.
  std::string Url(const std::string& path) const;

 private:
  TempDir keys_;
  uint16_t port_ = 0;
  long pid_ = -1;
};

}  // namespace cd::test
