// Install speed from a web medium against the curl command line: 100 files of 50 MB in all are
// served from 127.0.0.1 and installed by the engine (PrepareUpdate and Update of a files
// manager whose medium is the server's address), or fetched by one curl run; the best of
// several rounds is reported in MB/s.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "counting_callback.h"
#include "install/datum_value.h"
#include "install/files_manager.h"
#include "platform/drive_map.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "support/http_server.h"
#include "support/temp_dir.h"

namespace {

constexpr int kFiles = 100;
constexpr size_t kFileSize = 512 * 1024;  // 100 x 512 KiB = 50 MiB
constexpr double kMegabytes = kFiles * kFileSize / (1024.0 * 1024.0);
constexpr int kRounds = 5;

std::string FileName(int i) {
  return "file" + std::to_string(i) + ".bin";
}

void MakeFiles(const std::filesystem::path& folder) {
  std::filesystem::create_directories(folder);
  std::string data(kFileSize, '\0');
  uint32_t seed = 12345;
  for (int i = 0; i < kFiles; ++i) {
    for (char& c : data) c = static_cast<char>((seed = seed * 1103515245u + 12345u) >> 24);
    std::ofstream(folder / FileName(i), std::ios::binary) << data;
  }
}

template <typename Fn>
double Seconds(Fn&& run) {
  const auto start = std::chrono::steady_clock::now();
  run();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// One install of every file onto an empty disk folder.
double EngineInstall(const cd::test::HttpServer& server, const std::filesystem::path& disk) {
  std::filesystem::remove_all(disk);
  std::filesystem::create_directories(disk);
  cd::TFilesManager manager(nullptr);
  manager.SetPrgPath(server.Url("medium/"));
  manager.Targets().Add("Disk=" +
                        cd::os::IncludeTrailingBackslash(cd::os::WindowsPath(disk.string())));
  for (int i = 0; i < kFiles; ++i) {
    auto* item = new cd::TDatumValue(&manager, FileName(i));
    item->SetInstalTarget("Disk");
    item->SetDestSize(static_cast<int32_t>(kFileSize));
    item->SetTime(1345282048);
  }
  cd::bench::CountingCallback callback;
  const double seconds = Seconds([&] {
    if (manager.PrepareUpdate(&callback) != static_cast<int32_t>(kFiles * kFileSize))
      throw std::runtime_error("not every file is needed");
    manager.Update(&callback);
  });
  for (int i = 0; i < kFiles; ++i)
    if (std::filesystem::file_size(disk / FileName(i)) != kFileSize)
      throw std::runtime_error("short install of " + FileName(i));
  return seconds;
}

double Curl(const cd::test::HttpServer& server, const std::filesystem::path& out) {
  std::filesystem::create_directories(out);
  std::string command = "curl -s -f";
  for (int i = 0; i < kFiles; ++i)
    command += " -o '" + (out / FileName(i)).string() + "' " + server.Url("medium/" + FileName(i));
  return Seconds([&] {
    if (std::system(command.c_str()) != 0) throw std::runtime_error("curl failed");
  });
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1) {
    std::fprintf(stderr,
                 "usage: %s\nInstalls 100 files (50 MB) from a local HTTP server through the "
                 "installation engine and downloads them with curl, and prints MB/s of each "
                 "(best of %d rounds).\n",
                 argv[0], kRounds);
    return std::string(argv[1]) == "--help" ? 0 : 2;
  }
  try {
    cd::test::TempDir root;
    MakeFiles(root.Path() / "medium");
    cd::test::HttpServer server(root.Path());
    double engine = 1e9, curl = 1e9;
    for (int round = 0; round < kRounds; ++round) {
      engine = std::min(engine, EngineInstall(server, root.Path() / "disk"));
      curl = std::min(curl, Curl(server, root.Path() / "curl"));
    }
    std::printf("%d files, %.1f MB\n", kFiles, kMegabytes);
    std::printf("engine install: %8.1f MB/s (%.2fx curl)\n", kMegabytes / engine, curl / engine);
    std::printf("curl:           %8.1f MB/s\n", kMegabytes / curl);
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "web_install: %s\n", e.what());
    return 1;
  }
}
