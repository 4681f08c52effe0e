// pack, unpack and test. pack and unpack stream from the input into a new file that replaces
// the output only when the whole input was read and decoded.
#include "commands.h"

#include <algorithm>
#include <cstdio>
#include <exception>
#include <functional>
#include <memory>
#include <string>

#include "streams/dcl_explode.h"
#include "streams/memory_stream.h"
#include "streams/packed_stream.h"
#include "tool_io.h"

namespace cd::cdpack {
namespace {

int Fail(const std::string& name, const std::exception& e) {
  std::fprintf(stderr, "cdpack: %s: %s\n", name.c_str(), e.what());
  return 1;
}

// Explode straight from the input stream, counting the output; for reporting the decoder's
// own error name. Neither side is held in memory.
struct TCountingInput {
  TStream& stream;
  uint64_t produced = 0;
};

uint32_t ReadCounted(uint8_t* buffer, uint32_t& size, void* param) {
  const int64_t got = static_cast<TCountingInput*>(param)->stream.Read(buffer, size);
  return got > 0 ? static_cast<uint32_t>(got) : 0;
}

void CountOutput(const uint8_t*, uint32_t size, void* param) {
  static_cast<TCountingInput*>(param)->produced += size;
}

// Checks one file; prints "NAME: OK ..." or "NAME: <error name>".
bool TestOne(const std::string& name) {
  const std::unique_ptr<TStream> input = OpenInput(name);
  const auto size = static_cast<long long>(input->Size());
  if (!IsPacked(*input)) {
    std::printf("%s: OK (not packed, %lld bytes)\n", InputName(name).c_str(), size);
    return true;
  }
  TCountingInput counting{*input};
  auto work = std::make_unique<TExplodeWork>();
  const int code = Explode(ReadCounted, CountOutput, *work, &counting);
  if (code != kDclOk) {
    std::printf("%s: %s\n", InputName(name).c_str(), DclErrorName(code));
    return false;
  }
  std::printf("%s: OK (packed, %lld -> %llu bytes)\n", InputName(name).c_str(), size,
              static_cast<unsigned long long>(counting.produced));
  return true;
}

// Runs convert from the input args[0] into the output args[1]; failures name the file at fault.
int Convert(const std::vector<std::string>& args,
            const std::function<void(TStream&, TStream&)>& convert) {
  std::unique_ptr<TStream> input;
  try {
    input = OpenInput(args[0]);
  } catch (const std::exception& e) {
    return Fail(InputName(args[0]), e);
  }
  try {
    WriteOutput(args[1], [&](TStream& output) { convert(*input, output); });
  } catch (const EOutputFailure& e) {
    return Fail(OutputName(args[1]), e);
  } catch (const std::exception& e) {
    return Fail(InputName(args[0]), e);
  }
  return 0;
}

}  // namespace

int RunPack(const std::vector<std::string>& args) {
  return Convert(args, [](TStream& input, TStream& output) { PackStream(input, output); });
}

int RunUnpack(const std::vector<std::string>& args) {
  return Convert(args, [](TStream& input, TStream& output) {
    if (IsPacked(input)) {
      UnpackStream(input, output);
    } else {
      output.CopyFrom(input, input.Size() - input.Position());
    }
  });
}

int RunTest(const std::vector<std::string>& args) {
  int status = 0;
  for (const std::string& name : args) {
    try {
      if (!TestOne(name)) status = 1;
    } catch (const std::exception& e) {
      status = Fail(InputName(name), e);
    }
  }
  return status;
}

}  // namespace cd::cdpack
