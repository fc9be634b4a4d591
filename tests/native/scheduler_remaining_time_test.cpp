#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "jobs_test_tables.h"
#include "scheduler/remaining_time.h"

namespace {

using qm::testing::Cell;
using qm::testing::TableWithJobs;

class FakeClock : public qm::Clock {
 public:
  int hour = 0;
  int minute = 0;
  bool works = true;
  std::time_t Now() const override { return 1000; }
  bool ToLocal(std::time_t t, qm::LocalTime& local) const override {
    if (!works || t != 1000) return false;
    local.hour = hour;
    local.minute = minute;
    local.second = 42;
    return true;
  }
};

// Records the requests in order: S for stop, P for play.
class FakeAnimation : public qm::Animation {
 public:
  std::string requests;
  void Play() override { requests += 'P'; }
  void Stop() override { requests += 'S'; }
};

struct RowCase {
  const char* start_time;
  const char* state;
  int hour;
  int minute;
  const char* remaining;  // "--": left unchanged
};

void PrintTo(const RowCase& c, std::ostream* out) {
  *out << qm::testing::Escaped(c.start_time) << " " << qm::testing::Escaped(c.state) << " at " << c.hour
       << ":" << c.minute;
}

class RemainingTimeRow : public ::testing::TestWithParam<RowCase> {};

TEST_P(RemainingTimeRow, WritesTheTimeLeftOfArmedJobsOnly) {
  const RowCase& c = GetParam();
  qm::MemoryJobTable table = TableWithJobs({"job"});
  table.SetItemText(0, qm::kColumnStartTime, c.start_time);
  table.SetItemText(0, qm::kColumnState, c.state);
  table.SetItemText(0, qm::kColumnRemaining, "--");
  FakeClock clock;
  clock.hour = c.hour;
  clock.minute = c.minute;
  FakeAnimation animation;

  qm::UpdateRemainingTimes(table, animation, clock);

  EXPECT_EQ(Cell(table, 0, qm::kColumnRemaining), c.remaining);
  EXPECT_EQ(Cell(table, 0, qm::kColumnStartTime), c.start_time);
  EXPECT_EQ(animation.requests, std::string(c.remaining) == "--" ? "S" : "SP");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RemainingTimeRow,
    ::testing::Values(RowCase{"09:30", "開始", 9, 29, "00:01"}, RowCase{"09:30", "開始", 9, 30, "00:00"},
                      RowCase{"09:30", "開始", 9, 31, "23:59"}, RowCase{"00:00", "開始", 23, 59, "00:01"},
                      RowCase{"24:00", "開始", 0, 0, "24:00"}, RowCase{"24:00", "開始", 23, 59, "00:01"},
                      RowCase{"100:00", "開始", 10, 0, "90:00"}, RowCase{"7:5", "開始", 7, 0, "00:05"},
                      RowCase{" 9: 30", "開始", 9, 0, "00:30"}, RowCase{"-1:00", "開始", 0, 0, "23:00"},
                      RowCase{":", "開始", 0, 0, "00:00"}, RowCase{"", "開始", 9, 0, "--"},
                      RowCase{"0930", "開始", 9, 0, "--"}, RowCase{"09:30", "停止", 9, 0, "--"},
                      RowCase{"09:30", "", 9, 0, "--"}, RowCase{"09:30", "開始 ", 9, 0, "--"}));

TEST(RemainingTimePass, StopsOnceThenPlaysForEveryRowThatGotATime) {
  qm::MemoryJobTable table = TableWithJobs({"a", "b", "c", "d"});
  const char* schedules[][2] = {{"09:30", "開始"}, {"10:00", "停止"}, {"11:00", "開始"}, {"12:00", "開始"}};
  for (int row = 0; row < 4; ++row) {
    table.SetItemText(row, qm::kColumnStartTime, schedules[row][0]);
    table.SetItemText(row, qm::kColumnState, schedules[row][1]);
  }
  FakeClock clock;
  clock.hour = 9;
  FakeAnimation animation;
  qm::UpdateRemainingTimes(table, animation, clock);
  EXPECT_EQ(animation.requests, "SPPP");
  EXPECT_EQ(Cell(table, 3, qm::kColumnRemaining), "03:00");

  qm::MemoryJobTable empty;
  FakeAnimation idle;
  qm::UpdateRemainingTimes(empty, idle, clock);
  EXPECT_EQ(idle.requests, "S");
}

TEST(RemainingTimePass, WithoutTheTimeOfDayChangesNothing) {
  qm::MemoryJobTable table = TableWithJobs({"a"});
  table.SetItemText(0, qm::kColumnStartTime, "09:30");
  table.SetItemText(0, qm::kColumnState, "開始");
  FakeClock clock;
  clock.works = false;
  FakeAnimation animation;
  qm::UpdateRemainingTimes(table, animation, clock);
  EXPECT_EQ(Cell(table, 0, qm::kColumnRemaining), "");
  EXPECT_EQ(animation.requests, "");
}

TEST(RemainingTimeText, IsDefinedForEveryValue) {
  struct Case {
    long long minutes;
    const char* text;
  };
  for (const Case& c : {Case{0, "00:00"}, Case{1439, "23:59"}, Case{6000, "100:00"}, Case{-61, "-1:-1"},
                        Case{LLONG_MAX, "153722867280912930:07"},
                        Case{LLONG_MIN, "-153722867280912930:-8"}}) {
    EXPECT_EQ(qm::RemainingTimeText(c.minutes), c.text) << c.minutes;
  }
}

TEST(StartMinutes, HugeHoursFromAFileStayDefined) {
  const std::string nines(40, '9');
  for (const std::string& cell : {nines + ":" + nines, "-" + nines + ":-" + nines}) {
    const long long start = qm::StartMinutes(cell.c_str());
    EXPECT_GT(start > 0 ? start : -start, 1440LL * 1000000) << cell;
    const long long d = qm::MinutesUntil(start, 1439);
    EXPECT_EQ(d > 0, start > 0) << cell;
    EXPECT_FALSE(qm::RemainingTimeText(d).empty());
  }
}

TEST(RefreshInterval, FirstFiringFallsOnTheNextMinute) {
  struct Case {
    int tm_sec;
    unsigned interval;
  };
  for (const Case& c : {Case{0, 60000}, Case{1, 59000}, Case{59, 1000}, Case{60, 0}, Case{61, 0}, Case{-1, 60000}}) {
    EXPECT_EQ(qm::FirstRefreshIntervalMs(c.tm_sec), c.interval) << c.tm_sec;
  }
  EXPECT_EQ(qm::kRefreshIntervalMs, 60000u);
}

}  // namespace
