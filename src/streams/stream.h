// The abstract byte stream: read, write, seek with three origins, size and position.
#pragma once

#include <cstdint>
#include <string>

namespace cd {
namespace os {
class File;
}

enum class TSeekOrigin { soBeginning, soCurrent, soEnd };

class TStream {
 public:
  virtual ~TStream() = default;

  // Reads up to count bytes; returns how many were read (0 at the end).
  virtual int64_t Read(void* buffer, int64_t count) = 0;
  // Writes count bytes; returns how many were written.
  virtual int64_t Write(const void* buffer, int64_t count) = 0;
  // Moves the position; returns the new position.
  virtual int64_t Seek(int64_t offset, TSeekOrigin origin) = 0;

  virtual int64_t Size();
  virtual void SetSize(int64_t newSize);
  int64_t Position() { return Seek(0, TSeekOrigin::soCurrent); }
  void SetPosition(int64_t pos) { Seek(pos, TSeekOrigin::soBeginning); }

  // Reads up to count bytes from the position without moving it; returns how many.
  virtual int64_t Peek(void* buffer, int64_t count);

  // Read or write exactly count bytes; fail with EReadError "Stream read error" /
  // EWriteError "Stream write error" otherwise.
  void ReadBuffer(void* buffer, int64_t count);
  void WriteBuffer(const void* buffer, int64_t count);
  // Copies count bytes from source (all of it from its start when count is 0); returns the count.
  int64_t CopyFrom(TStream& source, int64_t count);
  // Writes up to count bytes from the position into an open file; returns how many (fewer only
  // at the end, 0 there). A stream over a file lets the system copy without a buffer here.
  virtual int64_t CopyInto(os::File& target, int64_t count);

  // Reads everything from the current position to the end.
  std::string ReadRest();
};

}  // namespace cd
