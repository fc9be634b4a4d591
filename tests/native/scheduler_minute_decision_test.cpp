#include <gtest/gtest.h>

#include <random>
#include <set>

#include "scheduler/minute_decision.h"
#include "ui/clock_text.h"

namespace {

constexpr long long kMidnight = 1714521600;  // 2024-05-01 00:00:00 UTC

TEST(MinuteDecision, FirstTickOfEachNewMinuteChecksOnce) {
  struct {
    long long offset;  // seconds after midnight
    bool checks;
  } ticks[] = {
      {0, true},     {1, false},   {59, false},  {61, true},  // second 0 missed: second 1 checks
      {62, false},   {300, true},                             // minutes with no tick are not caught up
      {240, true},                                            // clock set back: checked again
      {241, false},
  };
  qm::MinuteDecision decision;
  for (const auto& tick : ticks) {
    EXPECT_EQ(decision.TakeTick(static_cast<std::time_t>(kMidnight + tick.offset)), tick.checks)
        << tick.offset;
  }
}

TEST(MinuteDecision, ADayOfLateAndStalledTicksChecksEveryMinuteExactlyOnce) {
  std::mt19937 random(20240501);
  std::uniform_int_distribution<int> lateness_ms(0, 40);
  std::uniform_int_distribution<int> stall_chance(0, 199);
  qm::MinuteDecision decision;
  std::set<long long> checked;
  int checks = 0;
  const long long start_ms = kMidnight * 1000 - 500;
  const long long end_ms = (kMidnight + 86400) * 1000;
  long long now_ms = start_ms;
  while (now_ms < end_ms) {
    const std::time_t t = static_cast<std::time_t>(now_ms / 1000);
    if (t >= kMidnight && decision.TakeTick(t)) {
      ++checks;
      EXPECT_TRUE(checked.insert(qm::MinuteDecision::MinuteOf(t)).second) << t;
    }
    // The tick re-arms for the next whole second; the timer comes late, and
    // now and then the thread is held up for a second and a half.
    long long next = now_ms + qm::MsToNextWholeSecond(static_cast<int>(now_ms % 1000));
    next += lateness_ms(random);
    if (stall_chance(random) == 0) next += 1500;
    now_ms = next;
  }
  EXPECT_EQ(checks, 1440);
  EXPECT_EQ(checked.size(), 1440u);
}

}  // namespace
