// A static file server on 127.0.0.1 for tests and benchmarks: GET and HEAD of the files under
// one folder, 404 for anything missing. Starts on a free port, stops when destroyed.
#pragma once

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "support/socket.h"

namespace cd::test {

class HttpServer {
 public:
  explicit HttpServer(std::filesystem::path root);
  ~HttpServer() { Stop(); }
  HttpServer(const HttpServer&) = delete;
  HttpServer& operator=(const HttpServer&) = delete;

  uint16_t Port() const { return port_; }
  // "http://127.0.0.1:<port>/" followed by path (which must not begin with "/").
  std::string Url(const std::string& path) const;
  // How many requests were answered so far.
  int Requests() const { return requests_.load(); }
  void Stop();

 private:
  void AcceptLoop();
  void Serve(Socket client);
  std::string Respond(const std::string& request, std::string& body, bool& headOnly) const;

  std::filesystem::path root_;
  Socket listener_;
  uint16_t port_ = 0;
  std::atomic<bool> stopping_{false};
  std::atomic<int> requests_{0};
  std::thread acceptor_;
  std::mutex workersLock_;
  std::vector<std::thread> workers_;
};

}  // namespace cd::test
