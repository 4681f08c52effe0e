// The test HTTP server: one thread accepts, one thread per connection answers one request.
#include "support/http_server.h"

#include <fstream>
#include <sstream>

namespace cd::test {
namespace {

constexpr size_t kMaxRequest = 16384;

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Percent-decodes the path of a request target and drops any query; empty when malformed.
std::string DecodePath(const std::string& target) {
  std::string out;
  for (size_t i = 0; i < target.size() && target[i] != '?'; ++i) {
    if (target[i] != '%') {
      out += target[i];
      continue;
    }
    if (i + 2 >= target.size() || HexValue(target[i + 1]) < 0 || HexValue(target[i + 2]) < 0)
      return {};
    out += static_cast<char>(HexValue(target[i + 1]) * 16 + HexValue(target[i + 2]));
    i += 2;
  }
  return out;
}

// The file a path names under root; empty when the path would leave root.
std::filesystem::path Resolve(const std::filesystem::path& root, const std::string& path) {
  if (path.empty() || path[0] != '/' || path.find('\0') != std::string::npos) return {};
  const std::filesystem::path relative(path.substr(1));
  for (const auto& part : relative)
    if (part == ".." || part.has_root_name() || part.has_root_directory()) return {};
  return root / relative;
}

bool ReadFile(const std::filesystem::path& file, std::string& data) {
  std::error_code ec;
  if (file.empty() || !std::filesystem::is_regular_file(file, ec)) return false;
  std::ifstream in(file, std::ios::binary);
  std::ostringstream buffer;
  buffer << in.rdbuf();
  data = buffer.str();
  return static_cast<bool>(in);
}

std::string Header(int status, const char* reason, size_t length) {
  return "HTTP/1.1 " + std::to_string(status) + " " + reason +
         "\r\nContent-Type: application/octet-stream\r\nContent-Length: " + std::to_string(length) +
         "\r\nCache-Control: no-cache\r\nConnection: close\r\n\r\n";
}

}  // namespace

HttpServer::HttpServer(std::filesystem::path root)
    : root_(std::move(root)), listener_(Socket::Listen(0)), port_(listener_.LocalPort()) {
  acceptor_ = std::thread([this] { AcceptLoop(); });
}

std::string HttpServer::Url(const std::string& path) const {
  return "http://127.0.0.1:" + std::to_string(port_) + "/" + path;
}

void HttpServer::Stop() {
  if (!acceptor_.joinable()) return;
  stopping_ = true;
  Socket::Connect(port_);  // wakes the acceptor, which then sees stopping_
  acceptor_.join();
  listener_.Close();
  std::lock_guard<std::mutex> lock(workersLock_);
  for (auto& worker : workers_) worker.join();
  workers_.clear();
}

void HttpServer::AcceptLoop() {
  for (;;) {
    Socket client = listener_.Accept();
    if (stopping_) return;
    if (!client.Valid()) continue;
    std::lock_guard<std::mutex> lock(workersLock_);
    workers_.emplace_back([this, c = std::move(client)]() mutable { Serve(std::move(c)); });
  }
}

void HttpServer::Serve(Socket client) {
  std::string request;
  char buffer[4096];
  while (request.find("\r\n\r\n") == std::string::npos && request.size() < kMaxRequest) {
    const int64_t n = client.Receive(buffer, sizeof buffer);
    if (n <= 0) return;
    request.append(buffer, static_cast<size_t>(n));
    // Not HTTP at all (a TLS handshake, say): hang up at once instead of waiting for more.
    if (request[0] < 'A' || request[0] > 'Z') return;
  }
  std::string body;
  bool headOnly = false;
  const std::string header = Respond(request, body, headOnly);
  ++requests_;
  if (client.SendAll(header.data(), header.size()) && !headOnly)
    client.SendAll(body.data(), body.size());
}

// The response header for one request; body receives the content to send after it.
std::string HttpServer::Respond(const std::string& request, std::string& body,
                                bool& headOnly) const {
  std::istringstream line(request.substr(0, request.find("\r\n")));
  std::string method, target, version;
  line >> method >> target >> version;
  if (method != "GET" && method != "HEAD") {
    body = "method not allowed";
    return Header(405, "Method Not Allowed", body.size());
  }
  headOnly = method == "HEAD";
  if (!ReadFile(Resolve(root_, DecodePath(target)), body)) {
    body = "not found";
    return Header(404, "Not Found", body.size());
  }
  return Header(200, "OK", body.size());
}

}  // namespace cd::test
