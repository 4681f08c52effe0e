// The exception classes of the system: every failure carries one message text.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace cd {

class Exception : public std::runtime_error {
 public:
  explicit Exception(const std::string& message) : std::runtime_error(message) {}
  std::string Message() const { return what(); }
};

// The silent abort after a user's cancel: unwinds like a failure, shows nothing.
class EAbort : public Exception {
 public:
  EAbort() : Exception("Operation aborted") {}
};

class EViolationError : public Exception {
  using Exception::Exception;
};
class EOutlineError : public Exception {
  using Exception::Exception;
};
class EConvertError : public Exception {
  using Exception::Exception;
};
class EReadError : public Exception {
  using Exception::Exception;
};
class EWriteError : public Exception {
  using Exception::Exception;
};
class EStreamError : public Exception {
  using Exception::Exception;
};
// Packed data that cannot be decoded: "PKWareError \"<code name>\"".
class EPKWareError : public Exception {
  using Exception::Exception;
};
// A cast of an object to a class it is not of: "Invalid class typecast".
class EInvalidCast : public Exception {
 public:
  EInvalidCast() : Exception("Invalid class typecast") {}
};
// An index outside a list: "List index out of bounds (%d)".
class EListError : public Exception {
  using Exception::Exception;
};

// A syntax error in object text; Position is the byte offset of the token where parsing stopped.
class EParserError : public Exception {
 public:
  EParserError(const std::string& message, int64_t position)
      : Exception(message), position_(position) {}
  int64_t Position() const { return position_; }

 private:
  int64_t position_;
};

}  // namespace cd
