// Object text -> objects on a generated ~20 MB configuration of nested components with
// strings, sets, string and integer lists and collections: the whole reading pipeline and
// its object stage alone. "--memory" reports the peak memory of one pipeline run.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

#include "config/class_registry.h"
#include "config/collection.h"
#include "config/config_classes.h"
#include "config/config_io.h"
#include "config/integer_list.h"
#include "config/object_reader.h"
#include "config/object_text.h"
#include "config/string_list.h"
#include "streams/memory_stream.h"

namespace {

using namespace cd;

const TEnumTypeInfo& FlagType() {
  static const TEnumTypeInfo info{"TBenchFlag", {"fg_Compress", "fg_Register", "fg_ErrorIfExists"}};
  return info;
}

class TBenchViewer : public TCollectionItem {
 public:
  using TCollectionItem::TCollectionItem;
  static const TClassInfo& StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TBenchViewer>("TBenchViewer", &TCollectionItem::StaticClass())
            .Str("Exe", &TBenchViewer::exe)
            .Int("Order", &TBenchViewer::order)
            .Build();
    return info;
  }
  const TClassInfo& ClassType() const override { return StaticClass(); }
  std::string exe;
  int32_t order = 0;
};

// A run-item-like node: owns its nested objects and has the usual kinds of keys.
class TBenchItem : public TComponent {
 public:
  explicit TBenchItem(TComponent* owner)
      : TComponent(owner), viewers(MakeCollection<TBenchViewer>(this)) {}
  static const TClassInfo& StaticClass() {
    using T = TBenchItem;
    static const TClassInfo info = TClassBuilder<T>("TBenchItem", &TComponent::StaticClass())
                                       .Str("Path", &T::path)
                                       .Str("Descr", &T::descr)
                                       .Int("Size", &T::size)
                                       .Set("Flags", &T::flags, FlagType(), 0)
                                       .Bool("RegisterDLL", &T::registerDll)
                                       .Float("Ratio", &T::ratio)
                                       .Object("Files", [](T& o) { return &o.files; })
                                       .Object("Instances", [](T& o) { return &o.instances; })
                                       .Collection("Viewers", [](T& o) { return o.viewers.get(); })
                                       .Build();
    return info;
  }
  const TClassInfo& ClassType() const override { return StaticClass(); }
  void GetChildren(const std::function<void(TComponent*)>& proc) const override {
    for (int i = 0; i < ComponentCount(); ++i) proc(Components(i));
  }
  TComponent* GetChildOwner() override { return this; }

  std::string path, descr;
  int32_t size = 0;
  uint32_t flags = 0;
  bool registerDll = false;
  double ratio = 0;
  TStringList files;
  TIntegerList instances;
  std::unique_ptr<TCollection> viewers;
};

void AppendItem(std::string& out, int n) {
  const std::string id = std::to_string(n);
  out += "  object F" + id + ": TBenchItem\n";
  out += "    Path = 'bin\\tool" + id + ".dll'\n";
  out += "    Descr = '\"CZ=Polo\xBEka " + id + "\",\"EN=Item " + id + "\"'\n";
  out += "    Size = " + std::to_string(n * 7919) + "\n";
  out += "    Flags = [fg_Compress, fg_ErrorIfExists]\n    RegisterDLL = True\n";
  out += "    Ratio = " + std::to_string(n % 1000) + ".125\n";
  out += "    Files.Strings = (\n      'a.dll'\n      'b" + id + ".exe')\n";
  out += "    Instances.BinList = {020000000100000005000000}\n";
  out += "    Viewers = <\n      item\n        Exe = 'viewer.exe'\n        Order = 1\n      end>\n";
  out += "    object S" + id + ": TBenchItem\n      Size = " + id + "\n    end\n";
  out += "  end\n";
}

const std::string& SampleText() {
  static const std::string text = [] {
    std::string t = "object Root: TBenchItem\n  Path = 'prg\\'\n";
    for (int n = 0; t.size() < (20u << 20); ++n) AppendItem(t, n);
    return t + "end\n";
  }();
  return text;
}

void Register() {
  RegisterConfigClasses();
  RegisterClass(TBenchItem::StaticClass());
}

void BM_TextToObjects(benchmark::State& state) {
  Register();
  const std::string& text = SampleText();
  for (auto _ : state) {
    TMemoryStream input(text);
    benchmark::DoNotOptimize(ReadObject(input));
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_TextToObjects)->Unit(benchmark::kMillisecond);

void BM_BinaryToObjects(benchmark::State& state) {
  Register();
  const std::string binary = ObjectTextToBinaryAll(SampleText());
  for (auto _ : state) {
    TObjectReader reader(binary);
    benchmark::DoNotOptimize(reader.ReadRoot());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * SampleText().size()));
}
BENCHMARK(BM_BinaryToObjects)->Unit(benchmark::kMillisecond);

void BM_ObjectsToText(benchmark::State& state) {
  Register();
  TMemoryStream input(SampleText());
  const std::unique_ptr<TComponent> root = ReadObject(input);
  for (auto _ : state) benchmark::DoNotOptimize(ObjectToString(root.get()));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * SampleText().size()));
}
BENCHMARK(BM_ObjectsToText)->Unit(benchmark::kMillisecond);

// A "Vm..." figure of /proc/self/status in KiB (Linux); 0 when unknown.
long StatusKiB(const char* field) {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind(field, 0) == 0) return std::stol(line.substr(std::strlen(field)));
  return 0;
}

void ResetPeak() { std::ofstream("/proc/self/clear_refs") << "5"; }

double Ratio(long kib, size_t bytes) { return kib * 1024.0 / static_cast<double>(bytes); }

// Peaks over the resident memory before (which holds the text): of the conversion to the
// binary form, of building objects from it, and of the whole pipeline; then what the objects
// alone hold.
int MeasureMemory() {
  Register();
  const std::string& text = SampleText();
  ResetPeak();
  const long before = StatusKiB("VmRSS:");
  long converted = 0, built = 0, objects = 0;
  {
    TMemoryStream input(text);
    int blocks = 0;
    const std::string binary = ConfigTextToBinary(input, blocks);
    converted = StatusKiB("VmHWM:") - before;
    ResetPeak();
    TObjectReader reader(binary);
    const std::unique_ptr<TComponent> root = reader.ReadRoot();
    built = StatusKiB("VmHWM:") - before;
    std::printf("binary form %.1f MB; %d nested objects under the root\n",
                binary.size() / 1048576.0, root->ComponentCount());
  }
  ResetPeak();
  {
    TMemoryStream input(text);
    const std::unique_ptr<TComponent> root = ReadObject(input);
    objects = StatusKiB("VmRSS:") - before;
  }
  const long whole = StatusKiB("VmHWM:") - before;
  std::printf("input %.1f MB; over the memory holding it: conversion peak %.2fx, object "
              "building peak %.2fx, whole ReadObject peak %.2fx; objects hold %.2fx\n",
              text.size() / 1048576.0, Ratio(converted, text.size()), Ratio(built, text.size()),
              Ratio(whole, text.size()), Ratio(objects, text.size()));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 2 && std::strcmp(argv[1], "--memory") == 0) return MeasureMemory();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
