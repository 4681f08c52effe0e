// Distribution build speed: a description of 10,000 files (about 200 MB of text-like course
// data) built by the cdbuild program, against one `cdpack pack` of the same bytes joined into
// one file: the build should cost little more than its encoder.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>
#include <string>

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

// Course texts from a vocabulary, in folders of 500 files; the same bytes joined into one
// file for cdpack.
void MakeSources(const fs::path& root) {
  static const char* const kWords[] = {"course ", "lesson ", "the ", "student ", "answer ",
                                       "word ",   "of ",     "a ",   "grammar ", "\r\n",
                                       "verb ",   "noun ",   "and ", "to ",      "chapter "};
  std::mt19937 rng(11);
  std::ofstream joined(root / "joined.txt", std::ios::binary);
  std::string text;
  for (int i = 0; i < kFiles; ++i) {
    text.clear();
    while (text.size() < kFileSize) text += kWords[rng() % 15];
    text.resize(kFileSize);
    std::string name = FileName(i);
    name.replace(name.find('\\'), 1, "/");
    fs::create_directories((root / "prg" / name).parent_path());
    std::ofstream(root / "prg" / name, std::ios::binary) << text;
    joined << text;
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

double Seconds(const std::string& command) {
  const auto start = std::chrono::steady_clock::now();
  if (std::system(command.c_str()) != 0) throw std::runtime_error("failed: " + command);
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1) {
    std::fprintf(stderr,
                 "usage: %s\nBuilds a medium of %d files (%.0f MB) with %s and packs the same "
                 "bytes joined into one file with %s; prints both times (best of %d rounds).\n",
                 argv[0], kFiles, Megabytes(kFiles * kFileSize), CD_CDBUILD, CD_CDPACK, kRounds);
    return std::strcmp(argv[1], "--help") == 0 ? 0 : 2;
  }
  try {
    cd::test::TempDir dir;
    const fs::path root = dir.Path();
    MakeSources(root);
    WriteDescription(root);
    const std::string build = "'" + std::string(CD_CDBUILD) + "' '" +
                              (root / "install.otx").string() + "' --medium BENCH >/dev/null 2>&1";
    const std::string pack = "'" + std::string(CD_CDPACK) + "' pack '" +
                             (root / "joined.txt").string() + "' '" +
                             (root / "joined.pak").string() + "'";
    double built = 1e9, packed = 1e9;
    for (int round = 0; round < kRounds; ++round) {
      built = std::min(built, Seconds(build));
      packed = std::min(packed, Seconds(pack));
    }
    size_t onMedium = 0;
    for (const auto& entry : fs::recursive_directory_iterator(root / "medium"))
      if (entry.is_regular_file()) onMedium += entry.file_size();
    const double megabytes = Megabytes(kFiles * kFileSize);
    std::printf(
        "%d files, %.1f MB -> %.1f MB on the medium (joined and packed: %.1f MB); "
        "best of %d rounds\n",
        kFiles, megabytes, Megabytes(onMedium), Megabytes(fs::file_size(root / "joined.pak")),
        kRounds);
    std::printf("cdbuild:     %.2f s = %.1f MB/s\n", built, megabytes / built);
    std::printf("cdpack pack: %.2f s = %.1f MB/s\n", packed, megabytes / packed);
    std::printf("build / pack: %.2fx\n", built / packed);
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "build_medium: %s\n", e.what());
    return 1;
  }
}
