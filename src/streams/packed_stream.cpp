// Packed streams: the signature test and the stream-level calls of the decoder and encoder.
#include "streams/packed_stream.h"

#include <algorithm>
#include <cstring>
#include <exception>
#include <memory>
#include <vector>

#include "base/exceptions.h"
#include "streams/dcl_explode.h"
#include "streams/dcl_implode.h"
#include "streams/file_stream.h"
#include "util/format.h"

namespace cd {
namespace {

// What the buffer callbacks work on. The first failure of source's read and of dest's write
// is kept and raised once the codec has returned, so that no exception crosses the codec and
// a read that fails midway is not taken for the end of the input. Output is gathered
// into blocks of kOutputBlock bytes: the decoder hands over 4 KB at a time, and a file that
// takes each piece as one system call would be written far more slowly. Input is read in
// blocks of kInputBlock bytes for the same reason (the codecs ask for 2 KB at a time).
constexpr size_t kOutputBlock = 65536;
constexpr size_t kInputBlock = 65536;

struct TCodecStreams {
  TStream& source;
  TStream& dest;
  std::exception_ptr readError = nullptr;
  std::exception_ptr writeError = nullptr;
  std::vector<uint8_t> pending = {};
  // Allocated once and not zeroed: only bytes a read has put there are handed on, and a
  // build of many small files zeroed 64 KiB for each of them.
  std::unique_ptr<uint8_t[]> input = std::make_unique_for_overwrite<uint8_t[]>(kInputBlock);
  size_t inputPos = 0;
  size_t inputEnd = 0;
  bool inputEnded = false;  // a read found the end: the codec's further asks read nothing

  void Flush() {
    if (writeError || pending.empty()) return;
    try {
      dest.WriteBuffer(pending.data(), static_cast<int64_t>(pending.size()));
    } catch (const std::exception&) {
      writeError = std::current_exception();
    }
    pending.clear();
  }
};

uint32_t ReadFromSource(uint8_t* buffer, uint32_t& size, void* param) {
  auto& streams = *static_cast<TCodecStreams*>(param);
  // After a failed write the input ends, so the codec stops soon instead of working through
  // the rest of a stream whose output goes nowhere.
  if (streams.writeError) return 0;
  if (streams.inputPos == streams.inputEnd && !streams.inputEnded) {
    int64_t got = 0;
    try {
      got = streams.source.Read(streams.input.get(), kInputBlock);
    } catch (const std::exception&) {
      streams.readError = std::current_exception();
      got = 0;
    }
    streams.inputEnd = got > 0 ? static_cast<size_t>(got) : 0;
    streams.inputPos = 0;
    streams.inputEnded = got <= 0;
  }
  const size_t n = std::min<size_t>(size, streams.inputEnd - streams.inputPos);
  std::memcpy(buffer, streams.input.get() + streams.inputPos, n);
  streams.inputPos += n;
  return static_cast<uint32_t>(n);
}

void WriteToDest(const uint8_t* buffer, uint32_t size, void* param) {
  auto& streams = *static_cast<TCodecStreams*>(param);
  if (streams.writeError) return;
  streams.pending.insert(streams.pending.end(), buffer, buffer + size);
  if (streams.pending.size() >= kOutputBlock) streams.Flush();
}

void CheckResult(int code, TCodecStreams& streams) {
  streams.Flush();
  if (streams.readError) std::rethrow_exception(streams.readError);
  if (streams.writeError) std::rethrow_exception(streams.writeError);
  if (code >= kDclInvalidDictSize && code <= kDclAbort) {
    throw EPKWareError(Format("PKWareError \"%s\"", {DclErrorName(code)}));
  }
}

}  // namespace

bool BeginsWithSignature(TStream& stream) {
  uint8_t head[4];
  return stream.Peek(head, 4) == 4 && std::memcmp(head, kPackedSignature, 4) == 0;
}

bool IsPacked(TStream& stream) {
  if (!BeginsWithSignature(stream)) return false;
  stream.Seek(4, TSeekOrigin::soCurrent);
  return true;
}

void UnpackStream(TStream& source, TStream& dest) {
  auto work = std::make_unique<TExplodeWork>();
  TCodecStreams streams{source, dest};
  streams.pending.reserve(kOutputBlock + 8192);  // a block and the piece that fills it
  const int code = Explode(ReadFromSource, WriteToDest, *work, &streams);
  CheckResult(code, streams);
}

bool PackStream(TStream& source, TStream& dest) {
  const int64_t size = source.Size();
  if (size <= kLargestStoredSize) {
    const int64_t rest = size - source.Position();
    if (rest > 0) dest.CopyFrom(source, rest);
    return false;
  }
  PackStreamAlways(source, dest);
  return true;
}

void PackStreamAlways(TStream& source, TStream& dest) {
  // The encoder sets up every part of its work area that it reads; zeroing its 160 KiB
  // first cost as much as a small file's writing.
  auto work = std::make_unique_for_overwrite<TImplodeWork>();
  TCodecStreams streams{source, dest};
  streams.pending.reserve(kOutputBlock + 8192);  // a block and the piece that fills it
  // The signature goes out with the first block instead of in a write of its own.
  streams.pending.assign(std::begin(kPackedSignature), std::end(kPackedSignature));
  const int code = Implode(ReadFromSource, WriteToDest, *work, &streams, kDclBinary, 4096);
  CheckResult(code, streams);
}

void PackFileToFile(const std::string& sourceName, const std::string& destName) {
  TFileStream source(sourceName, os::OpenMode::Read);
  TFileStream dest(destName, os::OpenMode::Create);
  PackStream(source, dest);
}

}  // namespace cd
