// A small owner of one TCP socket on 127.0.0.1: Winsock on Windows, BSD sockets elsewhere.
// Test support only; the product reaches the network through the platform layer.
#pragma once

#include <cstddef>
#include <cstdint>

namespace cd::test {

class Socket {
 public:
  Socket() = default;
  ~Socket() { Close(); }
  Socket(Socket&& other) noexcept : handle_(other.handle_) { other.handle_ = kInvalid; }
  Socket& operator=(Socket&& other) noexcept;
  Socket(const Socket&) = delete;
  Socket& operator=(const Socket&) = delete;

  // A socket listening on 127.0.0.1:port; port 0 lets the system choose a free one.
  // Fails with std::runtime_error.
  static Socket Listen(uint16_t port);
  // A socket connected to 127.0.0.1:port; invalid when the connection is refused.
  static Socket Connect(uint16_t port);

  bool Valid() const { return handle_ != kInvalid; }
  uint16_t LocalPort() const;
  // The next connection; invalid when accepting fails.
  Socket Accept() const;
  // Up to size bytes; 0 at the end of the peer's data, -1 on failure.
  int64_t Receive(void* buffer, size_t size) const;
  // Sends everything; false when the peer went away.
  bool SendAll(const void* data, size_t size) const;
  void Close();

 private:
  static constexpr intptr_t kInvalid = -1;
  explicit Socket(intptr_t handle) : handle_(handle) {}
  intptr_t handle_ = kInvalid;
};

// A port on 127.0.0.1 that nothing listens on (taken from the system, then released).
uint16_t UnusedPort();

}  // namespace cd::test
