// The cost of checking the medium's sums while installing: the same update run with and without
// "SHA256SUMS" on the medium, for stored files, packed files and a web medium on the local HTTP
// server. Each figure (wall and CPU time) is the best of several rounds, the two kinds of run
// taking turns.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <stdexcept>
#include <string>
#include <thread>

#include "counting_callback.h"
#include "install/datum_value.h"
#include "install/files_manager.h"
#include "install/medium_check.h"
#include "platform/drive_map.h"
#include "platform/paths.h"
#include "streams/file_stream.h"
#include "streams/hashing_stream.h"
#include "streams/packed_stream.h"
#include "support/http_server.h"
#include "support/temp_dir.h"
#include "util/medium_sums.h"

namespace fs = std::filesystem;

namespace {

constexpr int kFiles = 300;
constexpr size_t kFileSize = 256 * 1024;  // 300 x 256 KiB = 75 MiB of each kind
constexpr int kRounds = 7;

enum class Kind { Stored, Packed, Web };

std::string FileName(int i) {
  return "f" + std::to_string(i) + ".bin";
}

// Random bytes for stored files and the web; lines of words, packed, otherwise.
void MakeMedium(const fs::path& folder, Kind kind) {
  fs::create_directories(folder);
  std::mt19937 rng(7);
  static const char* const kWords[] = {"course ", "lesson ", "the ", "student ", "answer ",
                                       "word ",   "of ",     "a ",   "grammar ", "\r\n"};
  for (int i = 0; i < kFiles; ++i) {
    std::string data;
    if (kind == Kind::Packed) {
      while (data.size() < kFileSize) data += kWords[rng() % 10];
      data.resize(kFileSize);
      const fs::path plain = folder / "plain.tmp";
      std::ofstream(plain, std::ios::binary) << data;
      cd::PackFileToFile(cd::os::WindowsPath(plain.string()),
                         cd::os::WindowsPath((folder / FileName(i)).string()));
      fs::remove(plain);
    } else {
      data.resize(kFileSize);
      for (char& c : data) c = static_cast<char>(rng());
      std::ofstream(folder / FileName(i), std::ios::binary) << data;
    }
  }
}

std::shared_ptr<const cd::TMediumSums> SumsOf(const fs::path& folder) {
  auto sums = std::make_shared<cd::TMediumSums>();
  for (int i = 0; i < kFiles; ++i) {
    const std::string name = cd::os::WindowsPath((folder / FileName(i)).string());
    sums->Add(FileName(i),
              cd::THashingStream(std::make_unique<cd::TFileStream>(name, cd::os::OpenMode::Read))
                  .Digest());
  }
  return sums;
}

struct Timing {
  double wall = 1e9;
  double cpu = 1e9;  // of the whole process: the engine (and for the web the server's threads)
};

// One update run onto an empty disk folder, from prgPath, checked against sums when given.
Timing Install(const std::string& prgPath, const fs::path& disk,
               const std::shared_ptr<const cd::TMediumSums>& sums) {
  fs::remove_all(disk);
  fs::create_directories(disk);
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  cd::TFilesManager manager(nullptr);
  manager.SetPrgPath(prgPath);
  manager.SetMediumSums(sums);
  manager.Targets().Add("Disk=" +
                        cd::os::IncludeTrailingBackslash(cd::os::WindowsPath(disk.string())));
  for (int i = 0; i < kFiles; ++i) {
    auto* item = new cd::TDatumValue(&manager, FileName(i));
    item->SetInstalTarget("Disk");
    item->SetTime(1345282048);
  }
  cd::bench::CountingCallback callback;
  const auto start = std::chrono::steady_clock::now();
  const std::clock_t cpuStart = std::clock();
  manager.PrepareUpdate(&callback);
  manager.Update(&callback);
  const Timing timing{
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(),
      static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC};
  for (int i = 0; i < kFiles; ++i)
    if (fs::file_size(disk / FileName(i)) != kFileSize)
      throw std::runtime_error("short install of " + FileName(i));
  return timing;
}

void KeepBest(Timing& best, const Timing& run) {
  best.wall = std::min(best.wall, run.wall);
  best.cpu = std::min(best.cpu, run.cpu);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1) {
    std::fprintf(stderr,
                 "usage: %s\nInstalls %d files of %zu KiB stored, packed and from a local HTTP "
                 "server, each with and without the medium's sums, and prints the best of %d "
                 "rounds of each and the cost of the check.\n",
                 argv[0], kFiles, kFileSize / 1024, kRounds);
    return std::string(argv[1]) == "--help" ? 0 : 2;
  }
  try {
    cd::test::TempDir root;
    cd::test::HttpServer server(root.Path());
    const struct {
      Kind kind;
      const char* name;
    } kinds[] = {{Kind::Stored, "stored"}, {Kind::Packed, "packed"}, {Kind::Web, "web"}};
    std::printf("%d files of %zu KiB each (unpacked); best of %d rounds\n", kFiles,
                kFileSize / 1024, kRounds);
    for (const auto& [kind, name] : kinds) {
      const fs::path folder = root.Path() / name;
      MakeMedium(folder, kind);
      const auto sums = SumsOf(folder);
      const std::string prgPath =
          kind == Kind::Web
              ? server.Url(std::string(name) + "/")
              : cd::os::IncludeTrailingBackslash(cd::os::WindowsPath(folder.string()));
      Timing plain, checked;
      for (int round = 0; round < kRounds; ++round) {
        KeepBest(plain, Install(prgPath, root.Path() / "disk", nullptr));
        KeepBest(checked, Install(prgPath, root.Path() / "disk", sums));
      }
      std::printf(
          "%-7s without sums %.3f s (CPU %.3f s), with sums %.3f s (CPU %.3f s): wall %+.1f%%, "
          "CPU %+.1f%%\n",
          name, plain.wall, plain.cpu, checked.wall, checked.cpu,
          (checked.wall / plain.wall - 1) * 100, (checked.cpu / plain.cpu - 1) * 100);
    }
  } catch (const std::exception& failure) {
    std::fprintf(stderr, "bench_verified_install: %s\n", failure.what());
    return 1;
  }
  return 0;
}
