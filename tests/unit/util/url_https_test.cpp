// https addresses: loaded like http ones, and refused when the server's certificate cannot be
// verified (POSIX; on Windows the system's URL library checks certificates itself).
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "base/exceptions.h"
#include "support/http_server.h"
#include "support/message_of.h"
#include "support/temp_dir.h"
#include "support/tls_server.h"
#include "util/url_loader.h"

namespace cd {
namespace {

std::string LoadError(const std::string& url) {
  return test::MessageOf([&] { DownloadUrlToCache(url, 0, nullptr); });
}

#ifndef _WIN32
TEST(UrlHttps, SelfSignedCertificateIsRefused) {
  test::TempDir root;
  std::ofstream(root.File("run.cfg")) << "secret";
  test::TlsServer server(root.Path());
  const std::string url = server.Url("run.cfg");
  // The server itself answers when the certificate check is switched off.
  ASSERT_EQ(std::system(("curl -s -f -k -o /dev/null " + url).c_str()), 0);
  EXPECT_EQ(LoadError(url), "Cannot load Url \"" + url + "\"");
  EXPECT_THROW(OpenUrlStream(url, 0, nullptr), Exception);
}
#endif

TEST(UrlHttps, HttpsToPlainHttpServerFails) {
  test::TempDir root;
  std::ofstream(root.File("run.cfg")) << "x";
  test::HttpServer server(root.Path());
  const std::string url = "https://127.0.0.1:" + std::to_string(server.Port()) + "/run.cfg";
  EXPECT_EQ(LoadError(url), "Cannot load Url \"" + url + "\"");
}

}  // namespace
}  // namespace cd
