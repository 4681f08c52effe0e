// Update run speed from a local medium against `cp -r`: 2,000 files of about 300 MB in all, half
// of them packed, installed by the engine onto an empty disk folder; the stored half alone
// against `cp -r` of the same files, the packed half alone against what `cdpack unpack` does for
// each of them (without its process start). "--scale" times PrepareUpdate, CheckList and KeepListed
// on 100,000 file items. "--memory" installs one 1 GiB packed file and one 1 GiB stored file
// and reports the peak resident memory over what was there before each.
#include <fcntl.h>
#include <stdio.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>
#include <string>
#include <thread>

#include "config/string_list.h"
#include "counting_callback.h"
#include "install/datum_value.h"
#include "install/files_manager.h"
#include "platform/drive_map.h"
#include "platform/paths.h"
#include "platform/replace_file.h"
#include "streams/file_stream.h"
#include "streams/open_file_stream.h"
#include "streams/packed_stream.h"
#include "support/temp_dir.h"

namespace fs = std::filesystem;

namespace {

constexpr int kFiles = 2000;
constexpr size_t kFileSize = 150 * 1024;  // 2,000 x 150 KiB = 293 MiB unpacked
constexpr int kRounds = 7;
constexpr int kScaleItems = 100000;
constexpr int32_t kTime = 1345282048;

double Megabytes(size_t bytes) {
  return static_cast<double>(bytes) / (1024.0 * 1024.0);
}

std::string StoredName(int i) {
  return "stored\\s" + std::to_string(i) + ".bin";
}
std::string PackedFileName(int i) {
  return "packed\\p" + std::to_string(i) + ".txt";
}

fs::path HostName(const fs::path& root, const std::string& name) {
  std::string host = name;
  std::replace(host.begin(), host.end(), '\\', '/');
  return root / host;
}

// Random bytes for the stored files; lines of words for the packed ones, which pack to about a
// third. Returns the medium's size of each packed file.
std::vector<int32_t> MakeMedium(const fs::path& medium) {
  fs::create_directories(medium / "stored");
  fs::create_directories(medium / "packed");
  std::mt19937 rng(7);
  std::string data(kFileSize, '\0');
  static const char* const kWords[] = {"course ", "lesson ", "the ", "student ", "answer ",
                                       "word ",   "of ",     "a ",   "grammar ", "\r\n"};
  std::vector<int32_t> packedSizes;
  for (int i = 0; i < kFiles / 2; ++i) {
    for (char& c : data) c = static_cast<char>(rng());
    std::ofstream(HostName(medium, StoredName(i)), std::ios::binary) << data;
    std::string text;
    while (text.size() < kFileSize) text += kWords[rng() % 10];
    text.resize(kFileSize);
    const fs::path plain = medium / "plain.tmp";
    std::ofstream(plain, std::ios::binary) << text;
    const fs::path packed = HostName(medium, PackedFileName(i));
    cd::PackFileToFile(cd::os::WindowsPath(plain.string()), cd::os::WindowsPath(packed.string()));
    packedSizes.push_back(static_cast<int32_t>(fs::file_size(packed)));
    fs::remove(plain);
  }
  return packedSizes;
}

// CPU time of this process and of its waited-for children (cp), user and system.
double CpuSeconds() {
  double total = 0;
  for (int who : {RUSAGE_SELF, RUSAGE_CHILDREN}) {
    rusage usage{};
    getrusage(who, &usage);
    for (const timeval& t : {usage.ru_utime, usage.ru_stime})
      total += static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
  }
  return total;
}

// The CPU time of the last Seconds call: on a machine shared with other work it varies far less
// than the wall time.
double lastCpu = 0;

template <typename Fn>
double Seconds(Fn&& run) {
  const double cpuStart = CpuSeconds();
  const auto start = std::chrono::steady_clock::now();
  run();
  const double wall =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  lastCpu = CpuSeconds() - cpuStart;
  return wall;
}

std::unique_ptr<cd::TFilesManager> MakeManager(const fs::path& medium, const fs::path& disk) {
  auto manager = std::make_unique<cd::TFilesManager>(nullptr);
  manager->SetPrgPath(cd::os::IncludeTrailingBackslash(cd::os::WindowsPath(medium.string())));
  manager->Targets().Add("Disk=" +
                         cd::os::IncludeTrailingBackslash(cd::os::WindowsPath(disk.string())));
  return manager;
}

void AddItem(cd::TFilesManager& manager, const std::string& name, int32_t size) {
  auto* item = new cd::TDatumValue(&manager, name);
  item->SetInstalTarget("Disk");
  item->SetDestSize(size);
  item->SetTime(kTime);
}

enum class Files { Stored, Packed, Both };

// One update run onto an empty disk folder: the stored files, the packed ones or both (the
// packed ones need their medium sizes).
double EngineInstall(const fs::path& medium, const fs::path& disk, Files files,
                     const std::vector<int32_t>& packedSizes) {
  const bool stored = files != Files::Packed, packed = files != Files::Stored;
  fs::remove_all(disk);
  fs::create_directories(disk);
  // A user's disk folder has been there a while when a run starts. One made this instant
  // could still change unseen within the same tick of the file system's clock, so for 50 ms
  // each name missing in it is searched by reading it again.
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  auto manager = MakeManager(medium, disk);
  for (int i = 0; i < kFiles / 2; ++i) {
    if (stored) AddItem(*manager, StoredName(i), static_cast<int32_t>(kFileSize));
    if (packed) AddItem(*manager, PackedFileName(i), packedSizes[i]);
  }
  cd::bench::CountingCallback callback;
  const double seconds = Seconds([&] {
    manager->PrepareUpdate(&callback);
    manager->Update(&callback);
  });
  for (int i = 0; i < kFiles / 2; ++i) {
    if ((stored && fs::file_size(HostName(disk, StoredName(i))) != kFileSize) ||
        (packed && fs::file_size(HostName(disk, PackedFileName(i))) != kFileSize))
      throw std::runtime_error("short install of file " + std::to_string(i));
  }
  return seconds;
}

// What `cdpack unpack` does for each packed file, in this process: the medium file opened, its
// signature read, and its contents unpacked into a new file beside the target that replaces it.
double UnpackLikeCdpack(const fs::path& medium, const fs::path& disk) {
  fs::remove_all(disk);
  fs::create_directories(disk / "packed");
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  return Seconds([&] {
    for (int i = 0; i < kFiles / 2; ++i) {
      cd::TFileStream input(cd::os::WindowsPath(HostName(medium, PackedFileName(i)).string()),
                            cd::os::OpenMode::Read, cd::os::ShareMode::DenyWrite);
      cd::os::ReplacementFile output(
          cd::os::WindowsPath(HostName(disk, PackedFileName(i)).string()));
      cd::TOpenFileStream stream(output.File());
      if (!cd::IsPacked(input)) throw std::runtime_error("a packed file is not packed");
      cd::UnpackStream(input, stream);
      output.Commit();
    }
  });
}

// The least a stored file's install can do with plain system calls, onto an empty disk folder:
// the medium file opened and its packing signature read; a new file made beside the target,
// the bytes copied into it in blocks of at most 61440 bytes (the copy reports progress after
// each), its date set and the file renamed into place (so that a failed copy leaves the old
// file whole). It leaves out what the engine adds besides: names in any letter case, share
// modes, the claim of the new file and the progress and log.
double StoredCallsAlone(const fs::path& medium, const fs::path& disk) {
  constexpr size_t kBlock = 61440;
  fs::remove_all(disk);
  fs::create_directories(disk / "stored");
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  return Seconds([&] {
    for (int i = 0; i < kFiles / 2; ++i) {
      const std::string source = HostName(medium, StoredName(i)).string();
      const std::string target = HostName(disk, StoredName(i)).string();
      const std::string temporary = target + ".tmp";
      const int in = open(source.c_str(), O_RDONLY | O_CLOEXEC);
      struct stat state {};
      char signature[4];
      const int out = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
      if (in < 0 || fstat(in, &state) != 0 || pread(in, signature, 4, 0) != 4 || out < 0)
        throw std::runtime_error("cannot copy " + source);
      for (off_t done = 0; done < state.st_size;) {
        const ssize_t n = copy_file_range(
            in, nullptr, out, nullptr, std::min<size_t>(kBlock, state.st_size - done), 0);
        if (n <= 0) throw std::runtime_error("cannot copy " + source);
        done += n;
      }
      const timespec times[2] = {{kTime, 0}, {kTime, 0}};
      if (futimens(out, times) != 0 || close(out) != 0 ||
          renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) != 0)
        throw std::runtime_error("cannot put " + target + " in place");
      close(in);
    }
  });
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

struct Rounds {
  std::vector<double> engine, other, engineCpu, otherCpu;
  void Add(double engineWall, double engineCpuTime, double otherWall) {
    engine.push_back(engineWall);
    engineCpu.push_back(engineCpuTime);
    other.push_back(otherWall);
    otherCpu.push_back(lastCpu);
  }
  void Print(const char* what, const char* otherName, size_t bytes) const {
    const double best = *std::min_element(engine.begin(), engine.end());
    const double bestOther = *std::min_element(other.begin(), other.end());
    std::vector<double> ratios;
    std::vector<double> cpuRatios;
    for (size_t i = 0; i < engine.size(); ++i) {
      ratios.push_back(other[i] / engine[i]);
      cpuRatios.push_back(otherCpu[i] / engineCpu[i]);
    }
    std::printf(
        "%s:\n  wall: engine best %.3f s = %.1f MB/s, median %.3f s; %s best %.3f s, median "
        "%.3f s; %s / engine: best %.2fx, median of the rounds %.2fx\n"
        "  CPU:  engine median %.3f s, %s median %.3f s; %s / engine: median of the rounds %.2fx\n",
        what, best, Megabytes(bytes) / best, Median(engine), otherName, bestOther, Median(other),
        otherName, bestOther / best, Median(ratios), Median(engineCpu), otherName, Median(otherCpu),
        otherName, Median(cpuRatios));
  }
};

double CopyTree(const fs::path& from, const fs::path& to) {
  fs::remove_all(to);
  const std::string command = "cp -r '" + from.string() + "' '" + to.string() + "'";
  return Seconds([&] {
    if (std::system(command.c_str()) != 0) throw std::runtime_error("cp failed");
  });
}

int Compare() {
  cd::test::TempDir root;
  const fs::path medium = root.Path() / "medium";
  const std::vector<int32_t> packedSizes = MakeMedium(medium);
  size_t packedBytes = 0;
  for (int32_t size : packedSizes) packedBytes += static_cast<size_t>(size);
  const size_t storedBytes = kFiles / 2 * kFileSize;
  const fs::path disk = root.Path() / "disk";
  Rounds stored, packed, whole, floor;
  for (int round = 0; round < kRounds; ++round) {
    double wall = EngineInstall(medium, disk, Files::Stored, packedSizes), cpu = lastCpu;
    const double alone = StoredCallsAlone(medium, root.Path() / "alone"), aloneCpu = lastCpu;
    // Both compare with this copy; Add takes cp's CPU time from lastCpu.
    const double copied = CopyTree(medium / "stored", root.Path() / "cp-stored");
    stored.Add(wall, cpu, copied);
    floor.Add(alone, aloneCpu, copied);
    wall = EngineInstall(medium, disk, Files::Packed, packedSizes), cpu = lastCpu;
    packed.Add(wall, cpu, UnpackLikeCdpack(medium, root.Path() / "unpacked"));
    wall = EngineInstall(medium, disk, Files::Both, packedSizes), cpu = lastCpu;
    whole.Add(wall, cpu, CopyTree(medium, root.Path() / "cp-whole"));
  }
  std::printf(
      "%d files: %d stored (%.1f MB), %d packed (%.1f MB on the medium, %.1f MB "
      "unpacked); %d rounds\n",
      kFiles, kFiles / 2, Megabytes(storedBytes), kFiles / 2, Megabytes(packedBytes),
      Megabytes(storedBytes), kRounds);
  stored.Print("stored files", "cp -r", storedBytes);
  floor.Print("stored files, the calls their install needs alone (in place of the engine)",
              "cp -r", storedBytes);
  packed.Print("packed files", "unpack", storedBytes);
  whole.Print("whole tree (cp -r copies the packed files as they are)", "cp -r", 2 * storedBytes);
  return 0;
}

// Lines of words without end, for a packed file of any size that is made as a stream.
class TWordStream : public cd::TStream {
 public:
  explicit TWordStream(int64_t size) : size_(size) {}
  int64_t Read(void* buffer, int64_t count) override {
    static const char kText[] =
        "course lesson the student answer word of a grammar\r\nthe answer of a student ";
    auto* out = static_cast<char*>(buffer);
    const int64_t n = std::min(count, size_ - position_);
    for (int64_t i = 0; i < n; ++i) out[i] = kText[(position_ + i) % (sizeof kText - 1)];
    position_ += n;
    return n;
  }
  int64_t Write(const void*, int64_t) override { return 0; }
  int64_t Seek(int64_t offset, cd::TSeekOrigin origin) override {
    const int64_t base = origin == cd::TSeekOrigin::soBeginning ? 0
                         : origin == cd::TSeekOrigin::soCurrent ? position_
                                                                 : size_;
    position_ = base + offset;
    return position_;
  }

 private:
  int64_t size_;
  int64_t position_ = 0;
};

long StatusKiB(const char* key) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind(key, 0) == 0) return std::atol(line.c_str() + std::strlen(key));
  return -1;
}

// One file installed onto an empty disk folder: seconds, and the peak resident memory over
// the resident memory before the run (the peak is reset through /proc/self/clear_refs).
void InstallOne(const fs::path& medium, const fs::path& disk, const std::string& name,
                int64_t unpacked, const char* what) {
  fs::remove_all(disk);
  fs::create_directories(disk);
  auto manager = MakeManager(medium, disk);
  AddItem(*manager, name, static_cast<int32_t>(fs::file_size(HostName(medium, name))));
  cd::bench::CountingCallback callback;
  std::ofstream("/proc/self/clear_refs") << "5";
  const long before = StatusKiB("VmRSS:");
  const double seconds = Seconds([&] {
    manager->PrepareUpdate(&callback);
    manager->Update(&callback);
  });
  const long peak = StatusKiB("VmHWM:") - before;
  if (static_cast<int64_t>(fs::file_size(HostName(disk, name))) != unpacked)
    throw std::runtime_error("short install of " + name);
  std::printf("%s: %.2f s = %.0f MB/s written, peak %ld KiB over the %ld KiB before\n", what,
              seconds, Megabytes(static_cast<size_t>(unpacked)) / seconds, peak, before);
}

int Memory() {
  constexpr int64_t kGiB = int64_t{1} << 30;
  cd::test::TempDir root;
  const fs::path medium = root.Path() / "medium";
  fs::create_directories(medium / "packed");
  fs::create_directories(medium / "stored");
  {
    TWordStream words(kGiB);
    cd::TFileStream out(cd::os::WindowsPath(HostName(medium, PackedFileName(0)).string()),
                        cd::os::OpenMode::Create);
    cd::PackStream(words, out);
  }
  {
    std::ofstream stored(HostName(medium, StoredName(0)), std::ios::binary);
    std::mt19937 rng(7);
    std::string block(1 << 20, '\0');
    for (int i = 0; i < 1024; ++i) {
      for (char& c : block) c = static_cast<char>(rng());
      stored << block;
    }
  }
  std::printf("1 GiB packed into %.1f MB on the medium\n",
              Megabytes(fs::file_size(HostName(medium, PackedFileName(0)))));
  for (int round = 0; round < 3; ++round) {
    InstallOne(medium, root.Path() / "disk", PackedFileName(0), kGiB, "1 GiB packed file");
    InstallOne(medium, root.Path() / "disk", StoredName(0), kGiB, "1 GiB stored file");
  }
  return 0;
}

// 100,000 items with missing targets (each is needed), named in reverse for the lists, so a
// lookup from the front would cross every item.
int Scale() {
  cd::test::TempDir root;
  auto manager = MakeManager(root.Path() / "medium", root.Path() / "disk");
  cd::TStringList names;
  for (int i = 0; i < kScaleItems; ++i) AddItem(*manager, "dir\\f" + std::to_string(i) + ".dat", 1);
  for (int i = kScaleItems - 1; i >= 0; --i) names.Add("DIR\\F" + std::to_string(i) + ".DAT");
  cd::bench::CountingCallback callback;
  int64_t total = 0;
  const double prepare = Seconds([&] { total = manager->PrepareUpdate(&callback); });
  const double check = Seconds([&] { manager->CheckList(names); });
  cd::TStringList half;
  for (int i = 0; i < kScaleItems; i += 2) half.Add(names.Items()[i]);
  for (int i = 0; i < manager->ChildCount(); ++i)
    static_cast<cd::TFileItem*>(manager->Child(i))->SetNeeded(false);
  const double keep = Seconds([&] { manager->KeepListed(half); });
  std::printf(
      "%d items: PrepareUpdate %.3f s (%lld bytes), CheckList of %d names %.3f s, "
      "KeepListed of %d names %.3f s (%d items kept)\n",
      kScaleItems, prepare, static_cast<long long>(total), kScaleItems, check, half.Count(), keep, manager->ChildCount());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const bool scale = argc == 2 && std::strcmp(argv[1], "--scale") == 0;
  const bool memory = argc == 2 && std::strcmp(argv[1], "--memory") == 0;
  if (argc > 1 && !scale && !memory) {
    std::fprintf(
        stderr,
        "usage: %s [--scale|--memory]\nInstalls %d files (%.0f MB, half packed) from a local "
        "medium through the installation engine and copies them with cp -r, and prints "
        "the speeds (best and median of %d rounds).\n--scale times PrepareUpdate, CheckList and "
        "KeepListed on %d file items.\n--memory installs a 1 GiB packed and a 1 GiB stored "
        "file and reports the peak resident memory of each.\n",
        argv[0], kFiles, Megabytes(kFiles * kFileSize), kRounds, kScaleItems);
    return std::strcmp(argv[1], "--help") == 0 ? 0 : 2;
  }
  try {
    if (memory) return Memory();
    return scale ? Scale() : Compare();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "disk_install: %s\n", e.what());
    return 1;
  }
}
