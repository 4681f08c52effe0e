// The cdpack and otxconv programs as whole processes: round trips to identical bytes, standard
// input and output, their reports, failures naming the file, and exit statuses.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "support/temp_dir.h"
#include "tool_run.h"

namespace cd::test {
namespace {

namespace fs = std::filesystem;

class ToolsTest : public ::testing::Test {
 protected:
  fs::path Write(const std::string& name, const std::string& content) {
    const fs::path path = dir_.Path() / name;
    std::ofstream(path, std::ios::binary) << content;
    return path;
  }

  ToolRun Cdpack(const std::string& arguments, const fs::path& input = {}) {
    return RunTool(CD_CDPACK, arguments, dir_.Path() / "cdpack.log", input);
  }
  ToolRun Otxconv(const std::string& arguments, const fs::path& input = {}) {
    return RunTool(CD_OTXCONV, arguments, dir_.Path() / "otxconv.log", input);
  }
  // The raw bytes a run wrote to standard output (RunTool's copy has its CRs taken out).
  std::string RawOutput(const char* tool) {
    return ReadHost(dir_.Path() / (std::string(tool) + ".log"));
  }

  static std::string Q(const fs::path& path) { return "\"" + path.string() + "\""; }

  TempDir dir_;
};

std::string RandomBytes(size_t size, unsigned seed) {
  std::mt19937 rng(seed);
  std::string bytes(size, '\0');
  for (char& c : bytes) c = static_cast<char>(rng());
  return bytes;
}

std::string Prose(size_t size) {
  static const char* const kWords[] = {"the ", "course ", "of ", "lesson ", "and ", "\r\n"};
  std::mt19937 rng(5);
  std::string text;
  while (text.size() < size) text += kWords[rng() % 6];
  text.resize(size);
  return text;
}

TEST_F(ToolsTest, CdpackRoundTripsEveryKindOfInputToIdenticalBytes) {
  const std::pair<const char*, std::string> inputs[] = {
      {"empty", ""},
      {"stored", std::string(1000, 'a')},  // at the limit: stored unchanged
      {"smallest-packed", Prose(1001)},
      {"prose", Prose(300000)},
      {"random", RandomBytes(70000, 9)},
      {"repeated", std::string(8192 + 516, '\x7f')},
  };
  for (const auto& [name, content] : inputs) {
    const fs::path plain = Write(std::string(name) + ".bin", content);
    const fs::path packed = dir_.Path() / (std::string(name) + ".pak");
    const fs::path back = dir_.Path() / (std::string(name) + ".out");
    ASSERT_EQ(Cdpack("pack " + Q(plain) + " " + Q(packed)).status, 0) << name;
    if (content.size() <= 1000)
      EXPECT_EQ(ReadHost(packed), content) << name;
    else
      EXPECT_EQ(ReadHost(packed).substr(0, 4), "\x2C\x91\x4A\xE3") << name;
    ASSERT_EQ(Cdpack("unpack " + Q(packed) + " " + Q(back)).status, 0) << name;
    EXPECT_EQ(ReadHost(back), content) << name;
    // Through standard input and output, which cannot seek: the same packed bytes, and a pipe
    // into unpack gives the input back.
    ASSERT_EQ(Cdpack("pack - -", plain).status, 0) << name;
    EXPECT_EQ(RawOutput("cdpack"), ReadHost(packed)) << name;
    ASSERT_EQ(Cdpack("pack - - < " + Q(plain) + " | " + Q(CD_CDPACK) + " unpack - -").status, 0);
    EXPECT_EQ(RawOutput("cdpack"), content) << name;
    // What is not packed comes through unpack unchanged.
    ASSERT_EQ(Cdpack("unpack - -", plain).status, 0) << name;
    EXPECT_EQ(RawOutput("cdpack"), content) << name;
  }
  EXPECT_LT(fs::file_size(dir_.Path() / "prose.pak"), 300000u / 2);
}

TEST_F(ToolsTest, CdpackTestReportsEveryFileAndFailsOnDamage) {
  const fs::path good = dir_.Path() / "good.pak";
  ASSERT_EQ(Cdpack("pack " + Q(Write("good.txt", Prose(5000))) + " " + Q(good)).status, 0);
  std::string damaged = ReadHost(good);
  damaged.resize(40);
  const fs::path bad = Write("bad.pak", damaged);
  const fs::path plain = Write("plain.txt", "not packed");

  const ToolRun run = Cdpack("test " + Q(good) + " " + Q(plain) + " " + Q(bad));
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.output.find(good.string() + ": OK (packed, "), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("-> 5000 bytes)"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find(plain.string() + ": OK (not packed, 10 bytes)"), std::string::npos);
  EXPECT_NE(run.output.find(bad.string() + ": ABORT"), std::string::npos) << run.output;
  EXPECT_EQ(Cdpack("test " + Q(good)).status, 0);
  const std::string size = std::to_string(fs::file_size(good));
  EXPECT_NE(run.output.find(": OK (packed, " + size + " -> 5000 bytes)"), std::string::npos);
  const ToolRun piped = Cdpack("test -", good);
  EXPECT_EQ(piped.status, 0);
  EXPECT_NE(piped.output.find("<stdin>: OK (packed, " + size + " -> 5000 bytes)"),
            std::string::npos)
      << piped.output;
  EXPECT_NE(Cdpack("test -", plain).output.find("<stdin>: OK (not packed, 10 bytes)"),
            std::string::npos);

  // Unpacking the damaged file fails naming it and writes nothing.
  const fs::path out = dir_.Path() / "bad.out";
  const ToolRun unpack = Cdpack("unpack " + Q(bad) + " " + Q(out));
  EXPECT_EQ(unpack.status, 1);
  EXPECT_NE(unpack.output.find("cdpack: " + bad.string() + ": PKWareError \"ABORT\""),
            std::string::npos)
      << unpack.output;
  EXPECT_FALSE(fs::exists(out));
  // Onto standard output, which keeps what came before the damage, the run fails the same way.
  const ToolRun toOutput = Cdpack("unpack " + Q(bad) + " -");
  EXPECT_EQ(toOutput.status, 1);
  EXPECT_NE(toOutput.output.find(bad.string() + ": PKWareError \"ABORT\""), std::string::npos);
  const ToolRun fromInput = Cdpack("unpack - -", bad);
  EXPECT_EQ(fromInput.status, 1);
  EXPECT_NE(fromInput.output.find("cdpack: <stdin>: PKWareError \"ABORT\""), std::string::npos);
  // An output that was there before stays as it was, and nothing is left beside it.
  Write("bad.out", "previous");
  EXPECT_EQ(Cdpack("unpack " + Q(bad) + " " + Q(out)).status, 1);
  EXPECT_EQ(ReadHost(out), "previous");
  for (const auto& entry : fs::directory_iterator(dir_.Path()))
    EXPECT_EQ(entry.path().string().find(".tmp"), std::string::npos) << entry.path();
}

TEST_F(ToolsTest, CdpackStandardStreamsUsageAndMissingFiles) {
  const std::string content = Prose(20000);
  const fs::path packed = dir_.Path() / "in.pak";
  ASSERT_EQ(Cdpack("pack - " + Q(packed), Write("in.txt", content)).status, 0);
  ASSERT_EQ(Cdpack("unpack " + Q(packed) + " -").status, 0);
  EXPECT_EQ(RawOutput("cdpack"), content);
#ifndef _WIN32
  // A pipe that delivers its bytes in pieces, the first shorter than the look ahead that tells
  // a stored input from a packed one: the input is packed as a file's would be.
  const std::string in = "'" + (dir_.Path() / "in.txt").string() + "'";
  const ToolRun slow = RunTool("/bin/sh",
                               "-c \"(head -c 500 " + in + "; sleep 0.2; tail -c +501 " + in +
                                   ") | '" + CD_CDPACK + "' pack - -\"",
                               dir_.Path() / "cdpack.log");
  ASSERT_EQ(slow.status, 0) << slow.output;
  EXPECT_EQ(RawOutput("cdpack"), ReadHost(packed));
#endif

  EXPECT_EQ(Cdpack("--help").status, 0);
  EXPECT_EQ(Cdpack("").status, 2);
  EXPECT_EQ(Cdpack("squeeze a b").status, 2);
  EXPECT_EQ(Cdpack("pack onlyone").status, 2);
  const fs::path missing = dir_.Path() / "missing.bin";
  const ToolRun run = Cdpack("pack " + Q(missing) + " " + Q(dir_.Path() / "x.pak"));
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.output.find("missing.bin"), std::string::npos) << run.output;
  // An output that cannot be written is named as the file at fault.
  const fs::path nowhere = dir_.Path() / "no-such-folder" / "x.pak";
  const ToolRun write = Cdpack("pack " + Q(packed) + " " + Q(nowhere));
  EXPECT_EQ(write.status, 1);
  EXPECT_NE(write.output.find("cdpack: " + nowhere.string() + ": "), std::string::npos)
      << write.output;
}

// Every value form of the notation, in the writer's own layout once it went through binary.
const char kEveryValueForm[] =
    "object Root: TFilesManager [2]\n"
    "  Str = 'It''s a ' + 'joined'#13#10'text'\n"
    "  Wide = 'x'#1000'y'#39\n"
    "  Ints = (0 127 128 -32769 $7FFFFFFF)\n"
    "  Floats = (1.5 3.0 -0.0 1e-300 0.1s 99c -7.25d)\n"
    "  Idents = (a.b.c True false NIL)\n"
    "  Sets = ([] [x] [x, y_1])\n"
    "  Coll = <item [1] A = <item end> end item end>\n"
    "  Bin = {00112233445566778899AABBCCDDEEFF00112233445566778899AABBCCDDEEFF0011}\n"
    "  inherited Child: TItem\n"
    "    object Deeper: TItem end\n"
    "  end\n"
    "end\n"
    "object TSecond end\n";

TEST_F(ToolsTest, OtxconvRoundTripsTheExampleAndEveryValueFormToIdenticalBytes) {
  const fs::path example = fs::path(CD_SOURCE_DIR) / "examples/run.cfg";
  const fs::path bin = dir_.Path() / "run.bin";
  const fs::path text = dir_.Path() / "run.txt";
  ASSERT_EQ(Otxconv("text2bin " + Q(example) + " " + Q(bin)).status, 0);
  EXPECT_EQ(ReadHost(bin).substr(0, 4), "TPF0");
  ASSERT_EQ(Otxconv("bin2text " + Q(bin) + " " + Q(text)).status, 0);
  EXPECT_EQ(ReadHost(text), ReadHost(example));

  // The first conversion settles the layout; from then on the bytes stay the same.
  const fs::path forms = Write("forms.txt", kEveryValueForm);
  ASSERT_EQ(Otxconv("text2bin " + Q(forms) + " " + Q(dir_.Path() / "forms.bin")).status, 0);
  ASSERT_EQ(
      Otxconv("bin2text " + Q(dir_.Path() / "forms.bin") + " " + Q(dir_.Path() / "canonical.txt"))
          .status,
      0);
  const std::string canonical = ReadHost(dir_.Path() / "canonical.txt");
  EXPECT_NE(canonical.find("object TSecond"), std::string::npos) << canonical;
  ASSERT_EQ(Otxconv("text2bin - -", dir_.Path() / "canonical.txt").status, 0);
  const std::string binary = RawOutput("otxconv");
  EXPECT_EQ(binary, ReadHost(dir_.Path() / "forms.bin"));
  ASSERT_EQ(Otxconv("bin2text - " + Q(dir_.Path() / "again.txt"), dir_.Path() / "forms.bin").status,
            0);
  EXPECT_EQ(ReadHost(dir_.Path() / "again.txt"), canonical);
}

TEST_F(ToolsTest, OtxconvCheckReportsTheFirstDifferenceAndReaderFailures) {
  const fs::path example = fs::path(CD_SOURCE_DIR) / "examples/run.cfg";
  const ToolRun same = Otxconv("check " + Q(example));
  EXPECT_EQ(same.status, 0) << same.output;
  EXPECT_NE(same.output.find("1 object(s) read and written back unchanged"), std::string::npos);

  std::string text = ReadHost(example);
  const size_t version = text.find("  Version = 1");
  ASSERT_NE(version, std::string::npos);
  text.replace(version, 13, "  Version = $1");
  const fs::path changed = Write("changed.cfg", text);
  const ToolRun differs = Otxconv("check " + Q(changed));
  EXPECT_EQ(differs.status, 1);
  EXPECT_NE(differs.output.find("the written text differs"), std::string::npos) << differs.output;
  EXPECT_NE(differs.output.find("read:      Version = $1"), std::string::npos) << differs.output;
  EXPECT_NE(differs.output.find("written:   Version = 1"), std::string::npos) << differs.output;

  const fs::path broken =
      Write("broken.cfg", "object A: TFilesManager\n  Version = 1\n  = 2\nend\n");
  const ToolRun failed = Otxconv("text2bin " + Q(broken) + " " + Q(dir_.Path() / "broken.bin"));
  EXPECT_EQ(failed.status, 1);
  EXPECT_NE(failed.output.find("broken.cfg"), std::string::npos) << failed.output;
  EXPECT_NE(failed.output.find("line 3"), std::string::npos) << failed.output;
  EXPECT_FALSE(fs::exists(dir_.Path() / "broken.bin"));
  EXPECT_EQ(Otxconv("--help").status, 0);
  EXPECT_EQ(Otxconv("text2bin onlyone").status, 2);
  EXPECT_EQ(Otxconv("squeeze").status, 2);
}

}  // namespace
}  // namespace cd::test
