// TCP sockets on the loopback interface for the test servers.
#include "support/socket.h"

#include <cstring>
#include <mutex>
#include <stdexcept>
#include <string>

#ifdef _WIN32
#include <winsock2.h>
#include <ws2tcpip.h>
using socklen_t = int;
#else
#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace cd::test {
namespace {

#ifdef _WIN32
using NativeSocket = SOCKET;
const NativeSocket kNone = INVALID_SOCKET;
void CloseNative(NativeSocket s) {
  closesocket(s);
}
constexpr int kNoSignal = 0;
#else
using NativeSocket = int;
const NativeSocket kNone = -1;
void CloseNative(NativeSocket s) {
  ::close(s);
}
constexpr int kNoSignal = MSG_NOSIGNAL;
#endif

void EnsureStarted() {
#ifdef _WIN32
  static std::once_flag once;
  std::call_once(once, [] {
    WSADATA data;
    if (WSAStartup(MAKEWORD(2, 2), &data) != 0) throw std::runtime_error("WSAStartup failed");
  });
#endif
}

sockaddr_in Loopback(uint16_t port) {
  sockaddr_in addr;
  std::memset(&addr, 0, sizeof addr);
  addr.sin_family = AF_INET;
  addr.sin_port = htons(port);
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  return addr;
}

NativeSocket Native(intptr_t handle) {
  return static_cast<NativeSocket>(handle);
}
intptr_t Handle(NativeSocket s) {
  return s == kNone ? -1 : static_cast<intptr_t>(s);
}

}  // namespace

Socket& Socket::operator=(Socket&& other) noexcept {
  if (this != &other) {
    Close();
    handle_ = other.handle_;
    other.handle_ = kInvalid;
  }
  return *this;
}

Socket Socket::Listen(uint16_t port) {
  EnsureStarted();
  Socket s(Handle(::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP)));
  if (!s.Valid()) throw std::runtime_error("socket() failed");
#ifndef _WIN32
  // Lets a later test reuse a port whose old connections are still in TIME_WAIT.
  int on = 1;
  setsockopt(Native(s.handle_), SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
#endif
  const sockaddr_in addr = Loopback(port);
  if (::bind(Native(s.handle_), reinterpret_cast<const sockaddr*>(&addr), sizeof addr) != 0)
    throw std::runtime_error("bind() to 127.0.0.1:" + std::to_string(port) + " failed");
  if (::listen(Native(s.handle_), 64) != 0) throw std::runtime_error("listen() failed");
  return s;
}

Socket Socket::Connect(uint16_t port) {
  EnsureStarted();
  Socket s(Handle(::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP)));
  if (!s.Valid()) return s;
  const sockaddr_in addr = Loopback(port);
  if (::connect(Native(s.handle_), reinterpret_cast<const sockaddr*>(&addr), sizeof addr) != 0)
    s.Close();
  return s;
}

uint16_t Socket::LocalPort() const {
  sockaddr_in addr;
  socklen_t len = sizeof addr;
  if (::getsockname(Native(handle_), reinterpret_cast<sockaddr*>(&addr), &len) != 0) return 0;
  return ntohs(addr.sin_port);
}

Socket Socket::Accept() const {
  Socket s(Handle(::accept(Native(handle_), nullptr, nullptr)));
  if (s.Valid()) {
    int on = 1;
    setsockopt(Native(s.handle_), IPPROTO_TCP, TCP_NODELAY, reinterpret_cast<const char*>(&on),
               sizeof on);
  }
  return s;
}

int64_t Socket::Receive(void* buffer, size_t size) const {
  const int chunk = static_cast<int>(size > (1u << 30) ? (1u << 30) : size);
  return ::recv(Native(handle_), static_cast<char*>(buffer), chunk, 0);
}

bool Socket::SendAll(const void* data, size_t size) const {
  const char* p = static_cast<const char*>(data);
  while (size > 0) {
    const int chunk = static_cast<int>(size > (1u << 20) ? (1u << 20) : size);
    const auto n = ::send(Native(handle_), p, chunk, kNoSignal);
    if (n <= 0) return false;
    p += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

void Socket::Close() {
  if (handle_ != kInvalid) CloseNative(Native(handle_));
  handle_ = kInvalid;
}

uint16_t UnusedPort() {
  return Socket::Listen(0).LocalPort();
}

}  // namespace cd::test
