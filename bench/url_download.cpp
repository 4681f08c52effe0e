// Download speed of the URL loader against the curl command line: 100 files of 50 MB in all are
// served from 127.0.0.1 and fetched by DownloadUrlToCache, by OpenUrlStream, and by one curl
// run; the best of several rounds is reported in MB/s.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/files.h"
#include "support/http_server.h"
#include "support/temp_dir.h"
#include "util/url_loader.h"

namespace {

constexpr int kFiles = 100;
constexpr size_t kFileSize = 512 * 1024;  // 100 x 512 KiB = 50 MiB
constexpr double kMegabytes = kFiles * kFileSize / (1024.0 * 1024.0);

std::string FileName(int i) {
  return "file" + std::to_string(i) + ".bin";
}

void MakeFiles(const std::filesystem::path& root) {
  std::string data(kFileSize, '\0');
  uint32_t seed = 12345;
  for (int i = 0; i < kFiles; ++i) {
    for (char& c : data) c = static_cast<char>((seed = seed * 1103515245u + 12345u) >> 24);
    std::ofstream(root / FileName(i), std::ios::binary) << data;
  }
}

template <typename Fn>
double Seconds(Fn&& run) {
  const auto start = std::chrono::steady_clock::now();
  run();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double LoaderToCache(const cd::test::HttpServer& server) {
  return Seconds([&] {
    int64_t reports = 0;
    const cd::TLoadProgressEvent count = [&](int64_t, int64_t, intptr_t) { ++reports; };
    for (int i = 0; i < kFiles; ++i)
      if (cd::os::FileSize(cd::DownloadUrlToCache(server.Url(FileName(i)), 0, count)) !=
          static_cast<int64_t>(kFileSize))
        throw std::runtime_error("short download");
  });
}

double LoaderStream(const cd::test::HttpServer& server) {
  return Seconds([&] {
    static char buffer[61440];
    for (int i = 0; i < kFiles; ++i) {
      auto stream = cd::OpenUrlStream(server.Url(FileName(i)), 0, nullptr);
      size_t total = 0;
      for (int64_t n; (n = stream->Read(buffer, sizeof buffer)) > 0;) total += n;
      if (total != kFileSize) throw std::runtime_error("short stream");
    }
  });
}

double Curl(const cd::test::HttpServer& server, const std::filesystem::path& out) {
  std::string command = "curl -s -f";
  for (int i = 0; i < kFiles; ++i)
    command += " -o '" + (out / FileName(i)).string() + "' " + server.Url(FileName(i));
  return Seconds([&] {
    if (std::system(command.c_str()) != 0) throw std::runtime_error("curl failed");
  });
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1) {
    std::fprintf(stderr,
                 "usage: %s\nDownloads 100 files (50 MB) from a local HTTP server with the URL "
                 "loader and with curl and prints MB/s of each (best of 5 rounds).\n",
                 argv[0]);
    return std::string(argv[1]) == "--help" ? 0 : 2;
  }
  try {
    cd::test::TempDir served, curlOut;
    MakeFiles(served.Path());
    cd::test::HttpServer server(served.Path());
    double cache = 1e9, stream = 1e9, curl = 1e9;
    for (int round = 0; round < 5; ++round) {
      cache = std::min(cache, LoaderToCache(server));
      stream = std::min(stream, LoaderStream(server));
      curl = std::min(curl, Curl(server, curlOut.Path()));
    }
    std::printf("%d files, %.1f MB\n", kFiles, kMegabytes);
    std::printf("DownloadUrlToCache: %8.1f MB/s (%.2fx curl)\n", kMegabytes / cache, curl / cache);
    std::printf("OpenUrlStream:      %8.1f MB/s (%.2fx curl)\n", kMegabytes / stream,
                curl / stream);
    std::printf("curl:               %8.1f MB/s\n", kMegabytes / curl);
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "url_download: %s\n", e.what());
    return 1;
  }
}
