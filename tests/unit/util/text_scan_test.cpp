#include "util/text_scan.h"

#include <gtest/gtest.h>

#include <vector>

#include "base/exceptions.h"
#include "support/message_of.h"

namespace cd {
namespace {

TEST(ReplaceAll, ReplacesEveryOccurrenceLeftToRight) {
  EXPECT_EQ(ReplaceAll("a-b-c", "-", "+"), "a+b+c");
  EXPECT_EQ(ReplaceAll("aaaa", "aa", "b"), "bb");
  EXPECT_EQ(ReplaceAll("aaa", "aa", "b"), "ba");
  EXPECT_EQ(ReplaceAll("%x%%x%", "%x%", "[]"), "[][]");
  EXPECT_EQ(ReplaceAll("%x%x%", "%x%", "[]"), "[]x%");
  EXPECT_EQ(ReplaceAll("xyz", "xyz", ""), "");
}

TEST(ReplaceAll, LeavesTextWithoutTheOldPartUnchanged) {
  EXPECT_EQ(ReplaceAll("hello", "q", "z"), "hello");
  EXPECT_EQ(ReplaceAll("", "q", "z"), "");
  EXPECT_EQ(ReplaceAll("hello", "", "z"), "hello");
  EXPECT_EQ(ReplaceAll(std::string("a\0b", 3), std::string("\0", 1), "-"), "a-b");
}

struct Trace {
  std::vector<std::string> texts;
  std::vector<std::string> marks;
  TextHandler OnText() {
    return [this](std::string_view s) { texts.emplace_back(s); };
  }
  MarkedHandler OnMarked() {
    return [this](std::string_view s, size_t&) { marks.emplace_back(s); };
  }
};

TEST(ScanMarked, HandsOverStretchesAndMarkedContents) {
  Trace t;
  ScanMarked("a{x}b{}c", "{", "}", t.OnMarked(), t.OnText());
  EXPECT_EQ(t.texts, (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(t.marks, (std::vector<std::string>{"x", ""}));
}

TEST(ScanMarked, MissingCloseFails) {
  Trace t;
  EXPECT_EQ(test::MessageOf([&] { ScanMarked("a<<x", "<<", ">>", t.OnMarked(), t.OnText()); }),
            "Missing Close Bracket \">>\"");
  EXPECT_EQ(t.texts, (std::vector<std::string>{"a"}));
}

TEST(ScanMarked, HandlerMayMoveTheContinuation) {
  std::vector<std::string> texts;
  // Skipping two characters after each mark, even past the end; a move backwards is held at
  // the content start.
  ScanMarked(
      "[a]xxyz[b]q", "[", "]", [](std::string_view, size_t& next) { next += 2; },
      [&](std::string_view s) { texts.emplace_back(s); });
  EXPECT_EQ(texts, (std::vector<std::string>{"", "yz"}));
  int calls = 0;
  ScanMarked(
      "[[[", "[", "", [&](std::string_view, size_t& next) { ++calls, next = 0; }, nullptr);
  EXPECT_EQ(calls, 3);
}

}  // namespace
}  // namespace cd
