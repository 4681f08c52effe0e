#include "platform/dos_time.h"

#include <gtest/gtest.h>

namespace cd::os {
namespace {

TEST(DosTime, PacksDateIntoHighWord) {
  // 2001-09-15 13:45:30 -> date (21<<9 | 9<<5 | 15), time (13<<11 | 45<<5 | 15).
  const auto packed = PackDosDateTime({2001, 9, 15, 13, 45, 30});
  ASSERT_TRUE(packed);
  EXPECT_EQ(static_cast<uint32_t>(*packed),
            ((21u << 9 | 9u << 5 | 15u) << 16) | (13u << 11 | 45u << 5 | 15u));
  const auto back = UnpackDosDateTime(*packed);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->year, 2001);
  EXPECT_EQ(back->second, 30);
}

TEST(DosTime, OddSecondsRoundDown) {
  const auto back = UnpackDosDateTime(*PackDosDateTime({1999, 12, 31, 23, 59, 59}));
  ASSERT_TRUE(back);
  EXPECT_EQ(back->second, 58);
}

TEST(DosTime, RangeLimits) {
  EXPECT_FALSE(PackDosDateTime({1979, 12, 31, 23, 59, 58}));
  EXPECT_TRUE(PackDosDateTime({1980, 1, 1, 0, 0, 0}));
  EXPECT_TRUE(PackDosDateTime({2107, 12, 31, 23, 59, 58}));
  EXPECT_FALSE(PackDosDateTime({2108, 1, 1, 0, 0, 0}));
  EXPECT_FALSE(PackDosDateTime({2001, 2, 29, 0, 0, 0}));
  EXPECT_TRUE(PackDosDateTime({2000, 2, 29, 0, 0, 0}));
  // Years from 2044 set the sign bit, which must not be mistaken for "no file".
  const auto late = PackDosDateTime({2050, 6, 1, 12, 0, 0});
  ASSERT_TRUE(late);
  EXPECT_LT(*late, 0);
  EXPECT_NE(*late, -1);
}

TEST(DosTime, UnpackRejectsInvalidFields) {
  EXPECT_FALSE(UnpackDosDateTime(-1));
  EXPECT_FALSE(UnpackDosDateTime(0));  // month 0, day 0
  EXPECT_FALSE(UnpackDosDateTime(static_cast<int32_t>((21u << 9 | 13u << 5 | 1u) << 16)));
  EXPECT_FALSE(
      UnpackDosDateTime(static_cast<int32_t>(((21u << 9 | 1u << 5 | 1u) << 16) | (24u << 11))));
}

}  // namespace
}  // namespace cd::os
