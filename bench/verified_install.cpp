// The cost of checking the medium's sums while installing: the same update run with and without
// "SHA256SUMS" on the medium, for stored files, packed files and a web medium on the local HTTP
// server. Each figure (wall and CPU time) is the best of several rounds, the two kinds of run
// taking turns. For the stored files it also times the least each way could cost, with plain
// system calls and nothing else: the copy in the kernel, the bytes read into the process and
// written (as hashing them needs, without the hash), and the same hashed on one thread.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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
#include <vector>

#include "counting_callback.h"
#include "install/datum_value.h"
#include "install/files_manager.h"
#include "install/medium_check.h"
#include "platform/drive_map.h"
#include "platform/paths.h"
#include "platform/sha256.h"
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

enum class Floor { InKernel, ThroughProcess, Hashed };

// The stored files copied onto an empty disk folder with plain system calls, in blocks of at
// most 61440 bytes, each into a new file renamed into place.
double CopyAlone(const fs::path& medium, const fs::path& disk, Floor how) {
  constexpr size_t kBlock = 61440;
  fs::remove_all(disk);
  fs::create_directories(disk);
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  std::vector<char> buffer(kBlock);
  cd::os::Sha256 hasher;
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < kFiles; ++i) {
    const std::string source = (medium / FileName(i)).string();
    const std::string target = (disk / FileName(i)).string(), temporary = target + ".tmp";
    const int in = open(source.c_str(), O_RDONLY | O_CLOEXEC);
    const int out = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (in < 0 || out < 0) throw std::runtime_error("cannot copy " + source);
    for (;;) {
      const ssize_t n = how == Floor::InKernel
                            ? copy_file_range(in, nullptr, out, nullptr, kBlock, 0)
                            : read(in, buffer.data(), kBlock);
      if (n < 0) throw std::runtime_error("cannot copy " + source);
      if (n == 0) break;
      if (how != Floor::InKernel && write(out, buffer.data(), static_cast<size_t>(n)) != n)
        throw std::runtime_error("cannot write " + temporary);
      if (how == Floor::Hashed) hasher.Update(buffer.data(), static_cast<size_t>(n));
    }
    if (how == Floor::Hashed) hasher.Finish();
    if (close(out) != 0 || std::rename(temporary.c_str(), target.c_str()) != 0)
      throw std::runtime_error("cannot put " + target + " in place");
    close(in);
  }
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The stored files' floors, best of the rounds, against the engine's run without sums.
void PrintStoredFloors(const fs::path& medium, const fs::path& disk, double plainWall) {
  double inKernel = 1e9, throughProcess = 1e9, hashed = 1e9;
  for (int round = 0; round < kRounds; ++round) {
    inKernel = std::min(inKernel, CopyAlone(medium, disk, Floor::InKernel));
    throughProcess = std::min(throughProcess, CopyAlone(medium, disk, Floor::ThroughProcess));
    hashed = std::min(hashed, CopyAlone(medium, disk, Floor::Hashed));
  }
  std::printf(
      "stored, the calls alone: copied in the kernel %.3f s; read into the process and written "
      "%.3f s (%+.1f%%); and hashed on one thread %.3f s (%+.1f%%); against the engine "
      "without sums: %+.1f%%, %+.1f%%\n",
      inKernel, throughProcess, (throughProcess / inKernel - 1) * 100, hashed,
      (hashed / inKernel - 1) * 100, (throughProcess / plainWall - 1) * 100,
      (hashed / plainWall - 1) * 100);
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
      if (kind == Kind::Stored) PrintStoredFloors(folder, root.Path() / "alone", plain.wall);
    }
  } catch (const std::exception& failure) {
    std::fprintf(stderr, "bench_verified_install: %s\n", failure.what());
    return 1;
  }
  return 0;
}
