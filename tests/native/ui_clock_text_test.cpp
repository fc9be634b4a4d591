#include <gtest/gtest.h>

#include "ui/clock_text.h"

namespace {

qm::LocalTime At(int year, int month, int day, int weekday, int hour, int minute, int second) {
  qm::LocalTime local;
  local.year = year;
  local.month = month;
  local.day = day;
  local.weekday = weekday;
  local.hour = hour;
  local.minute = minute;
  local.second = second;
  return local;
}

TEST(ClockText, LeadingSpaceDateJapaneseWeekdayAndTime) {
  struct {
    qm::LocalTime local;
    const char* expected;
  } cases[] = {
      {At(2024, 5, 1, 3, 9, 30, 0), " 2024/05/01 水 09:30:00"},
      {At(2024, 12, 29, 0, 23, 59, 59), " 2024/12/29 日 23:59:59"},
      {At(2025, 1, 4, 6, 0, 0, 7), " 2025/01/04 土 00:00:07"},
  };
  for (const auto& c : cases) {
    char text[128];
    EXPECT_TRUE(qm::FormatClockText(c.local, text, sizeof text));
    EXPECT_STREQ(text, c.expected);
  }
}

TEST(ClockText, RefusesRatherThanCutsAndRejectsABadWeekday) {
  char small[8] = "x";
  EXPECT_FALSE(qm::FormatClockText(At(2024, 5, 1, 3, 9, 30, 0), small, sizeof small));
  EXPECT_STREQ(small, "");
  char text[128] = "x";
  EXPECT_FALSE(qm::FormatClockText(At(2024, 5, 1, 7, 9, 30, 0), text, sizeof text));
  EXPECT_STREQ(text, "");
}

TEST(ClockText, NextTickLandsJustPastTheNextWholeSecond) {
  // A tick at ms past second s fires at s + 1 plus a small margin, whatever ms was.
  for (int ms : {0, 1, 500, 980, 999}) {
    const unsigned delay = qm::MsToNextWholeSecond(ms);
    EXPECT_GT(ms + static_cast<int>(delay), 1000) << ms;
    EXPECT_LT(ms + static_cast<int>(delay), 1100) << ms;
  }
}

}  // namespace
