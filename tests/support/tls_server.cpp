// The openssl child process behind TlsServer: a key and certificate are made in a temporary
// folder, then "s_server -WWW" serves the root folder until the object is destroyed.
#include "support/tls_server.h"

#ifndef _WIN32
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <stdexcept>
#include <thread>

#include "support/socket.h"

namespace cd::test {
namespace {

void MakeCertificate(const TempDir& keys) {
  const std::string command =
      "openssl req -x509 -newkey rsa:2048 -nodes -days 1 -subj "
      "/CN=127.0.0.1 -keyout '" +
      keys.File("key.pem") + "' -out '" + keys.File("cert.pem") + "' >/dev/null 2>&1";
  if (std::system(command.c_str()) != 0) throw std::runtime_error("openssl req failed");
}

// Starts openssl in root with its output discarded; returns the child's id.
pid_t StartServer(const std::filesystem::path& root, const TempDir& keys, uint16_t port) {
  const std::string portText = std::to_string(port);
  const std::string cert = keys.File("cert.pem"), key = keys.File("key.pem");
  const pid_t pid = fork();
  if (pid != 0) return pid;
  const int null = open("/dev/null", O_RDWR);
  dup2(null, 0);
  dup2(null, 1);
  dup2(null, 2);
  if (chdir(root.c_str()) == 0)
    execlp("openssl", "openssl", "s_server", "-quiet", "-WWW", "-accept", portText.c_str(), "-cert",
           cert.c_str(), "-key", key.c_str(), static_cast<char*>(nullptr));
  _exit(127);
}

}  // namespace

TlsServer::TlsServer(const std::filesystem::path& root) {
  MakeCertificate(keys_);
  port_ = UnusedPort();
  pid_ = StartServer(root, keys_, port_);
  if (pid_ < 0) throw std::runtime_error("fork failed");
  for (int tries = 0; tries < 100; ++tries) {
    if (Socket::Connect(port_).Valid()) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  kill(static_cast<pid_t>(pid_), SIGTERM);
  waitpid(static_cast<pid_t>(pid_), nullptr, 0);
  throw std::runtime_error("openssl s_server did not start");
}

TlsServer::~TlsServer() {
  if (pid_ <= 0) return;
  kill(static_cast<pid_t>(pid_), SIGTERM);
  waitpid(static_cast<pid_t>(pid_), nullptr, 0);
}

std::string TlsServer::Url(const std::string& path) const {
  return "https://127.0.0.1:" + std::to_string(port_) + "/" + path;
}

}  // namespace cd::test
#endif
