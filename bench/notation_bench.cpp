// Throughput of the object-text conversions on a generated ~20 MB text holding every value
// form. "--write-sample FILE [MB]" writes such a text for timing whole otxconv runs.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "config/object_text.h"
#include "streams/memory_stream.h"

namespace {

// One nested object with every value form; n varies names and numbers.
void AppendObject(std::string& out, int n) {
  const std::string id = std::to_string(n);
  out += "  object Item" + id + ": TVersionValue [" + std::to_string(n % 7) + "]\n";
  out += "    Path = 'bin\\tool" + id + ".dll'\n";
  out += "    Descr = '\"CZ=Celkem ' + 'polo\xBEka\",\"EN=Total item\"'#13#10'second ''line'''\n";
  out += "    Long = \n      '" + std::string(64, 'a') + "' +\n      '" + std::string(40, 'b') +
         "'#9'tail'\n";
  out += "    Wide = 'Zlu'#357'ou'#269'k'\n";
  out += "    Size = " + std::to_string(n * 7919) + "\n";
  out += "    Small = " + std::to_string(n % 100 - 50) + "\n";
  out += "    Mask = $" + std::to_string(10000 + n % 89999) + "\n";
  out += "    Ratio = " + std::to_string(n % 1000) + ".125\n";
  out += "    Scale = 2.5e-3s\n    Price = 129900c\n    When = 45123.5d\n";
  out += "    RegisterDLL = True\n    Link = Form1.Edit" + id + "\n    Owner = nil\n";
  out += "    Flags = [fg_SingleNotCompress, fg_ErrorIfExists, fg_Register]\n";
  out += "    Files.Strings = (\n      'a.dll'\n      'b" + id + ".exe'\n      -12\n      3.75)\n";
  out += "    Viewers = <\n      item\n        Exe = 'viewer.exe'\n        Order = 1\n      end\n"
         "      item [2]\n        Exe = 'other.exe'\n      end>\n";
  out += "    Instances.BinList = {\n      0200000001000000050000000A0B0C0D0E0F101112131415161718191A1B1C1D\n"
         "      1E1F}\n";
  out += "    object Sub" + id + ": TFileList\n      Tag = " + id + "\n    end\n";
  out += "  end\n";
}

std::string MakeText(size_t bytes) {
  std::string text = "object FM: TFilesManager\n  PrgSubpath = 'prg\\'\n";
  for (int n = 0; text.size() < bytes; ++n) AppendObject(text, n);
  text += "end\n";
  return text;
}

const std::string& SampleText() {
  static const std::string text = MakeText(20u << 20);
  return text;
}

void BM_TextToBinary(benchmark::State& state) {
  const std::string& text = SampleText();
  for (auto _ : state) benchmark::DoNotOptimize(cd::ObjectTextToBinaryAll(text));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_TextToBinary)->Unit(benchmark::kMillisecond);

void BM_TextToBinaryStream(benchmark::State& state) {
  const std::string& text = SampleText();
  for (auto _ : state) {
    cd::TMemoryStream input(text);
    cd::TMemoryStream output;
    while (input.Position() < input.Size()) cd::ObjectTextToBinary(input, output);
    benchmark::DoNotOptimize(output.Data().data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_TextToBinaryStream)->Unit(benchmark::kMillisecond);

void BM_BinaryToText(benchmark::State& state) {
  const std::string binary = cd::ObjectTextToBinaryAll(SampleText());
  for (auto _ : state) benchmark::DoNotOptimize(cd::ObjectBinaryToTextAll(binary));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * binary.size()));
}
BENCHMARK(BM_BinaryToText)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 3 && std::strcmp(argv[1], "--write-sample") == 0) {
    const size_t megabytes = argc >= 4 ? std::strtoul(argv[3], nullptr, 10) : 18;
    const std::string text = MakeText(megabytes << 20);
    FILE* f = std::fopen(argv[2], "wb");
    if (!f || std::fwrite(text.data(), 1, text.size(), f) != text.size() || std::fclose(f) != 0) {
      std::fprintf(stderr, "notation_bench: cannot write %s\n", argv[2]);
      return 1;
    }
    return 0;
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
