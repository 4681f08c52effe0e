// pack, unpack and test. pack and unpack stream from the input into a new file that replaces
// the output only when the whole input was read and decoded.
#include "commands.h"

#include <algorithm>
#include <cstdio>
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "streams/dcl_explode.h"
#include "streams/packed_stream.h"
#include "tool_io.h"

namespace cd::cdpack {
namespace {

constexpr int64_t kBlock = 64 * 1024;

int Fail(const std::string& name, const std::exception& e) {
  std::fprintf(stderr, "cdpack: %s: %s\n", name.c_str(), e.what());
  return 1;
}

// Reads the input to its end in blocks, handing each to use (when given); returns the count.
// Neither a file nor a pipe needs a size or a seek for this.
uint64_t ReadToEnd(TStream& input, const std::function<void(const char*, int64_t)>& use) {
  std::vector<char> block(kBlock);
  uint64_t total = 0;
  while (const int64_t got = input.Read(block.data(), kBlock)) {
    if (got < 0) break;
    if (use) use(block.data(), got);
    total += static_cast<uint64_t>(got);
  }
  return total;
}

// Explode straight from the input stream, counting both sides; for reporting the decoder's
// own error name. Neither side is held in memory.
struct TCountingInput {
  TStream& stream;
  uint64_t consumed = 0;
  uint64_t produced = 0;
};

uint32_t ReadCounted(uint8_t* buffer, uint32_t& size, void* param) {
  auto& counting = *static_cast<TCountingInput*>(param);
  const int64_t got = counting.stream.Read(buffer, size);
  if (got <= 0) return 0;
  counting.consumed += static_cast<uint64_t>(got);
  return static_cast<uint32_t>(got);
}

void CountOutput(const uint8_t*, uint32_t size, void* param) {
  static_cast<TCountingInput*>(param)->produced += size;
}

// Checks one file, read once to its end (its size is the count of what was read, so that
// standard input works alike); prints "NAME: OK ..." or "NAME: <error name>".
bool TestOne(const std::string& name) {
  const std::unique_ptr<TStream> input = OpenInput(name);
  if (!IsPacked(*input)) {
    std::printf("%s: OK (not packed, %llu bytes)\n", InputName(name).c_str(),
                static_cast<unsigned long long>(ReadToEnd(*input, nullptr)));
    return true;
  }
  TCountingInput counting{*input, sizeof kPackedSignature};
  auto work = std::make_unique<TExplodeWork>();
  const int code = Explode(ReadCounted, CountOutput, *work, &counting);
  if (code != kDclOk) {
    std::printf("%s: %s\n", InputName(name).c_str(), DclErrorName(code));
    return false;
  }
  const uint64_t size = counting.consumed + ReadToEnd(*input, nullptr);
  std::printf("%s: OK (packed, %llu -> %llu bytes)\n", InputName(name).c_str(),
              static_cast<unsigned long long>(size),
              static_cast<unsigned long long>(counting.produced));
  return true;
}

// Writes the rest of the input to the output unchanged.
void CopyToEnd(TStream& input, TStream& output) {
  ReadToEnd(input, [&](const char* block, int64_t count) { output.WriteBuffer(block, count); });
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
  return Convert(args, [](TStream& input, TStream& output) {
    // Whether the input is longer than what is stored unchanged, told by looking ahead, since
    // standard input has no size.
    char head[kLargestStoredSize + 1];
    if (input.Peek(head, sizeof head) <= kLargestStoredSize) {
      CopyToEnd(input, output);
    } else {
      PackStreamAlways(input, output);
    }
  });
}

int RunUnpack(const std::vector<std::string>& args) {
  return Convert(args, [](TStream& input, TStream& output) {
    if (IsPacked(input)) {
      UnpackStream(input, output);
    } else {
      CopyToEnd(input, output);
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
