// Distribution build speed: a description of 10,000 files (about 200 MB of text-like course
// data) built by the cdbuild program on one thread and on every core, against `cdpack pack`
// of the same bytes joined into one file per core (one process each, all at once): the build
// should cost little more than its encoder, and use the cores as well.
#include <fcntl.h>
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
#include <vector>

#include "support/temp_dir.h"

namespace fs = std::filesystem;

namespace {

constexpr int kFiles = 10000;
constexpr size_t kFileSize = 20 * 1024;  // 10,000 x 20 KiB = 195 MiB
constexpr int kRounds = 3;

double Megabytes(size_t bytes) {
  return static_cast<double>(bytes) / (1024.0 * 1024.0);
}

std::string FileName(int i) {
  return "c" + std::to_string(i / 500) + "\\f" + std::to_string(i) + ".txt";
}

// Course texts from a vocabulary, in folders of 500 files; the same bytes joined into one file
// ("joined.txt") and into `parts` files of consecutive sources ("joined0.txt" and on) for cdpack.
void MakeSources(const fs::path& root, unsigned parts) {
  static const char* const kWords[] = {"course ", "lesson ", "the ", "student ", "answer ",
                                       "word ",   "of ",     "a ",   "grammar ", "\r\n",
                                       "verb ",   "noun ",   "and ", "to ",      "chapter "};
  std::mt19937 rng(11);
  std::ofstream whole(root / "joined.txt", std::ios::binary);
  std::ofstream joined;
  std::string text;
  for (int i = 0; i < kFiles; ++i) {
    const unsigned part = static_cast<unsigned>(i) * parts / kFiles;
    if (i == 0 || part != static_cast<unsigned>(i - 1) * parts / kFiles) {
      joined.close();
      joined.open(root / ("joined" + std::to_string(part) + ".txt"), std::ios::binary);
    }
    text.clear();
    while (text.size() < kFileSize) text += kWords[rng() % 15];
    text.resize(kFileSize);
    std::string name = FileName(i);
    name.replace(name.find('\\'), 1, "/");
    fs::create_directories((root / "prg" / name).parent_path());
    std::ofstream(root / "prg" / name, std::ios::binary) << text;
    joined << text;
    whole << text;
  }
}

void WriteDescription(const fs::path& root) {
  std::ofstream out(root / "install.otx", std::ios::binary);
  out << "object Bench: TInstallManager\n"
         "  SourcePrgPath = 'prg\\'\n"
         "  DestPrgPath = 'medium\\prg\\'\n"
         "  CDRomPrgSubPath = 'prg\\'\n"
         "  ConfigFileName = 'medium\\run.cfg'\n"
         "  object TFilesManager\n";
  for (int i = 0; i < kFiles; ++i)
    out << "    object TDatumValue\n      Path = '" << FileName(i) << "'\n    end\n";
  out << "  end\n  object TFileListManager\n    object All: TFileList\n      Files.Strings = (";
  for (int i = 0; i < kFiles; ++i) out << "\n        '" << FileName(i) << "'";
  out << ")\n    end\n  end\n"
         "  object TCDRomManager\n    object TRunCDRom\n      MediumId = 'BENCH'\n"
         "      Files.Strings = (\n        '@All')\n    end\n  end\nend\n";
}

double SecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double Seconds(const std::string& command) {
  const auto start = std::chrono::steady_clock::now();
  if (std::system(command.c_str()) != 0) throw std::runtime_error("failed: " + command);
  return SecondsSince(start);
}

// Reads the file to its end in blocks.
void ReadWhole(const fs::path& path, std::vector<char>& block) {
  const int source = open(path.c_str(), O_RDONLY);
  if (source < 0) throw std::runtime_error("cannot open " + path.string());
  while (read(source, block.data(), block.size()) > 0) {
  }
  close(source);
}

// Writes output under a new temporary name beside target and renames it into place.
void WriteReplacing(const fs::path& target, const std::vector<char>& output) {
  const std::string temporary = target.string() + ".tmp";
  const int made = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
  const bool written =
      made >= 0 && write(made, output.data(), output.size()) == static_cast<ssize_t>(output.size());
  if (made >= 0) close(made);
  if (!written || rename(temporary.c_str(), target.c_str()) != 0)
    throw std::runtime_error("cannot write " + temporary);
}

// The file-system work that any build of these files does besides packing, on one thread: each
// source read, the previous output deleted, an output of `outputSize` bytes written beside it
// under a temporary name and renamed into place, with plain system calls.
double FileSystemSeconds(const fs::path& root, size_t outputSize) {
  std::vector<char> block(64 * 1024);
  const std::vector<char> output(outputSize, 'x');
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < kFiles; ++i) {
    std::string name = FileName(i);
    name.replace(name.find('\\'), 1, "/");
    const fs::path target = root / "floor" / name;
    if (i % 500 == 0) fs::create_directories(target.parent_path());
    ReadWhole(root / "prg" / name, block);
    unlink(target.c_str());
    WriteReplacing(target, output);
  }
  return SecondsSince(start);
}

// The part of that work cdpack's one file does too: the joined sources read, and the whole
// output of `outputSize` bytes written and renamed into place.
double OneFileSeconds(const fs::path& root, size_t outputSize) {
  std::vector<char> block(64 * 1024);
  const std::vector<char> output(outputSize, 'x');
  const auto start = std::chrono::steady_clock::now();
  ReadWhole(root / "joined.txt", block);
  unlink((root / "floor.pak").c_str());
  WriteReplacing(root / "floor.pak", output);
  return SecondsSince(start);
}

}  // namespace

int main(int argc, char** argv) {
  const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
  if (argc > 1) {
    std::fprintf(stderr,
                 "usage: %s\nBuilds a medium of %d files (%.0f MB) with %s on one thread and on "
                 "%u, and packs the same bytes joined into one file and into %u files at once "
                 "with %s, and times the file-system work of the build alone and of one file; "
                 "prints the times (best of %d rounds).\n",
                 argv[0], kFiles, Megabytes(kFiles * kFileSize), CD_CDBUILD, cores, cores,
                 CD_CDPACK, kRounds);
    return std::strcmp(argv[1], "--help") == 0 ? 0 : 2;
  }
  try {
    cd::test::TempDir dir;
    const fs::path root = dir.Path();
    MakeSources(root, cores);
    WriteDescription(root);
    auto build = [&](unsigned jobs) {
      return "'" + std::string(CD_CDBUILD) + "' '" + (root / "install.otx").string() +
             "' --medium BENCH --jobs " + std::to_string(jobs) + " >/dev/null 2>&1";
    };
    auto pack = [&](const std::string& joined) {
      const std::string name = (root / joined).string();
      return "'" + std::string(CD_CDPACK) + "' pack '" + name + ".txt' '" + name + ".pak'";
    };
    std::string packAll;
    for (unsigned part = 0; part < cores; ++part)
      packAll += pack("joined" + std::to_string(part)) + " & ";
    packAll += "wait";
    double builtOne = 1e9, builtAll = 1e9, packedOne = 1e9, packedAll = 1e9;
    for (int round = 0; round < kRounds; ++round) {
      builtOne = std::min(builtOne, Seconds(build(1)));
      builtAll = std::min(builtAll, Seconds(build(cores)));
      packedOne = std::min(packedOne, Seconds(pack("joined")));
      packedAll = std::min(packedAll, Seconds(packAll));
    }
    size_t onMedium = 0;
    for (const auto& entry : fs::recursive_directory_iterator(root / "medium"))
      if (entry.is_regular_file()) onMedium += entry.file_size();
    double fileSystem = 1e9, oneFile = 1e9;
    for (int round = 0; round < kRounds; ++round) {
      fileSystem = std::min(fileSystem, FileSystemSeconds(root, onMedium / kFiles));
      oneFile = std::min(oneFile, OneFileSeconds(root, onMedium));
    }
    const double megabytes = Megabytes(kFiles * kFileSize);
    std::printf(
        "%d files, %.1f MB -> %.1f MB on the medium (joined and packed: %.1f MB); "
        "best of %d rounds, %u cores\n",
        kFiles, megabytes, Megabytes(onMedium), Megabytes(fs::file_size(root / "joined.pak")),
        kRounds, cores);
    std::printf("cdbuild --jobs 1:  %.2f s = %.1f MB/s\n", builtOne, megabytes / builtOne);
    std::printf("cdbuild --jobs %u:  %.2f s = %.1f MB/s\n", cores, builtAll, megabytes / builtAll);
    std::printf("cdpack pack, one file:   %.2f s = %.1f MB/s\n", packedOne, megabytes / packedOne);
    std::printf("cdpack pack, %u at once: %.2f s = %.1f MB/s\n", cores, packedAll,
                megabytes / packedAll);
    std::printf("the files alone (read, written beside the target, renamed; one thread): %.2f s\n",
                fileSystem);
    std::printf("the same bytes as one file (read, written, renamed): %.2f s\n", oneFile);
    std::printf("speed-up of the build on %u threads: %.2fx\n", cores, builtOne / builtAll);
    std::printf("build / pack, one thread: %.2fx; on every core: %.2fx\n", builtOne / packedOne,
                builtAll / packedAll);
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "build_medium: %s\n", e.what());
    return 1;
  }
}
