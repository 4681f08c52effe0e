// Round trips through object text for the class tests: the text an object writes, the object
// read back from it, and the text that object writes in turn.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>

#include "config/config_io.h"

namespace cd::test {

// The writer ends lines with CR LF; expected texts in the tests are written with LF.
inline std::string Crlf(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

// Writes object, expects exactly expected (LF line ends), reads it back and expects the copy
// to write the same text. Returns the copy for further checks.
inline std::unique_ptr<TComponent> ExpectRoundTrip(const TComponent& object,
                                                   std::string_view expected) {
  std::string text = ObjectToString(&object);
  EXPECT_EQ(text, Crlf(expected));
  std::unique_ptr<TComponent> copy = StringToObject(text);
  EXPECT_NE(copy, nullptr);
  if (copy) {
    EXPECT_EQ(ObjectToString(copy.get()), text);
  }
  return copy;
}

}  // namespace cd::test
