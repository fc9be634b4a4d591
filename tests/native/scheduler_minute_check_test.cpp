#include <gtest/gtest.h>

#include "jobs/row_state.h"
#include "tests/native/scheduler_minute_check_fixture.h"

namespace qm_test {
namespace {

using Strings = std::vector<std::string>;

TEST_F(MinuteCheckTest, WarnsAMinuteAheadHiddenThenRunsAtTheMinuteWithTheJobsFiles) {
  AddJob("daily report", "09:30", "開始");
  RunClock(At(9, 28, 30), At(9, 29, 30));
  ASSERT_EQ(warnings_.size(), 1u);
  EXPECT_EQ(warnings_[0].job, "daily report");
  EXPECT_EQ(warnings_[0].opened, At(9, 29));
  EXPECT_TRUE(shown_) << "back after the warning ran out at 09:29:55";
  EXPECT_TRUE(runs_.empty());

  RunClock(At(9, 29, 31), At(9, 30, 5));
  ASSERT_EQ(runs_.size(), 1u);
  EXPECT_EQ(runs_[0].started, At(9, 30));
  EXPECT_EQ(runs_[0].command_line,
            "\"C:\\Q\\ReplayRunner.exe\" \"C:\\Data\\daily report\\KeyRecord.def\" "
            "\"C:\\Data\\daily report\\KeyRepeat.def\"");
  EXPECT_FALSE(shown_) << "hidden while the player plays";
  RunClock(At(9, 30, 6), At(9, 30, 25));
  EXPECT_TRUE(shown_) << "shown once the player has ended";
  EXPECT_EQ(State(0), "開始") << "stays armed for the next day";
}

TEST_F(MinuteCheckTest, StopOnTheWarningDisarmsSavesShowsAndNothingRuns) {
  AddJob("other", "12:00", "停止");
  AddJob("daily report", "09:30", "開始");
  answers_["daily report"] = {3, true};
  RunClock(At(9, 28, 59), At(9, 31));
  EXPECT_EQ(disarmed_rows_, std::vector<int>{1});
  EXPECT_EQ(State(1), "停止");
  EXPECT_EQ(saves_, 1);
  EXPECT_TRUE(shown_);
  EXPECT_TRUE(runs_.empty());
}

TEST_F(MinuteCheckTest, StartTimesAroundMidnightAndBeyondTheDay) {
  struct {
    const char* start;
    std::time_t warned;  // 0: never
    std::time_t run;     // 0: never
  } cases[] = {
      {"00:00", At(23, 59), At(24, 0)},
      {"24:00", At(23, 59), 0},
      {"100:00", 0, 0},
      {"9:5", At(9, 4), At(9, 5)},
      {"0930", 0, 0},
      {"", 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.start);
    Reset();
    AddJob("job", c.start, "開始");
    RunClock(At(0, 1), At(24, 0, 10));
    ASSERT_EQ(warnings_.size(), c.warned ? 1u : 0u);
    if (c.warned) {
      EXPECT_EQ(warnings_[0].opened, c.warned);
    }
    ASSERT_EQ(runs_.size(), c.run ? 1u : 0u);
    if (c.run) {
      EXPECT_EQ(runs_[0].started, c.run);
    }
    EXPECT_TRUE(watch_.scheduling_active) << "armed counts, usable time or not";
  }
}

TEST_F(MinuteCheckTest, WakeKeeperRunsExactlyWhileAJobIsArmedAtTheChecks) {
  checker_.CheckSchedule(At(8, 0));
  EXPECT_TRUE(processes_.started.empty()) << "empty table, inactive: nothing";
  AddJob("a", "", "開始");
  AddJob("b", "10:00", "開始");
  checker_.CheckSchedule(At(8, 1));
  checker_.CheckSchedule(At(8, 2));
  ASSERT_EQ(processes_.started, Strings{"\"C:\\Program Files\\Q\\WakeKeeper.exe\""})
      << "started once, quoted";
  const qm::ProcessId keeper = watch_.wake_keeper_id;
  EXPECT_TRUE(watch_.scheduling_active);

  processes_.End(keeper);  // ended on its own: not started again
  checker_.CheckSchedule(At(8, 3));
  EXPECT_EQ(processes_.started.size(), 1u);

  table_.SetItemText(0, qm::kColumnState, "停止");
  table_.SetItemText(1, qm::kColumnState, "開始 ");
  checker_.CheckSchedule(At(8, 4));
  EXPECT_EQ(processes_.killed, std::vector<qm::ProcessId>{keeper});
  EXPECT_FALSE(watch_.scheduling_active);

  table_.SetItemText(1, qm::kColumnState, "開始");
  processes_.fail_starts = true;
  checker_.CheckSchedule(At(8, 5));
  EXPECT_EQ(watch_.wake_keeper_id, 0u);
  EXPECT_TRUE(watch_.scheduling_active) << "a failed start still counts as active";
  table_.DeleteAllRows();
  checker_.CheckSchedule(At(8, 6));
  EXPECT_FALSE(watch_.scheduling_active) << "an empty table ends it";
  EXPECT_EQ(processes_.killed.size(), 2u);
}

TEST_F(MinuteCheckTest, AJobDisarmedFromItsWarningStillCountsInThatCheck) {
  AddJob("only", "09:30", "開始");
  answers_["only"] = {2, true};
  RunClock(At(9, 28, 59), At(9, 29, 5));
  EXPECT_TRUE(watch_.scheduling_active);
  EXPECT_TRUE(processes_.killed.empty());
  RunClock(At(9, 29, 6), At(9, 30, 1));
  EXPECT_FALSE(watch_.scheduling_active) << "the next check finds none armed";
}

TEST_F(MinuteCheckTest, TwoJobsInOneMinuteNeverPlayUnderTheirOwnWarning) {
  struct {
    bool stop_b;
    Strings runs;
    std::time_t b_started;
  } cases[] = {
      {true, {"A"}, 0},
      {false, {"A", "B"}, At(9, 30, 50)},  // B's warning opened 09:29:55, ran out
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.stop_b);
    Reset();
    AddJob("A", "09:30", "開始");
    AddJob("B", "09:30", "開始");
    answers_["B"] = {55, c.stop_b};
    RunClock(At(9, 29), At(9, 32));
    EXPECT_EQ(RunJobs(), c.runs);
    EXPECT_EQ(State(1), c.stop_b ? "停止" : "開始");
    if (!c.stop_b) {
      EXPECT_EQ(runs_[1].started, c.b_started);
    }
    ASSERT_EQ(warnings_.size(), 2u);
    EXPECT_EQ(warnings_[1].opened, At(9, 29, 55));
  }
}

TEST_F(MinuteCheckTest, NoStaleWarningAfterTheStartMinuteHasBegun) {
  AddJob("A", "09:30", "開始");
  AddJob("B", "09:30", "開始");
  AddJob("C", "09:30", "開始");
  RunClock(At(9, 28, 59), At(9, 32));
  ASSERT_EQ(warnings_.size(), 2u);
  EXPECT_EQ(warnings_[0].job, "A");
  EXPECT_EQ(warnings_[1].job, "B");
  // A and C start at 09:30:00 in the check nested in B's warning, B at its end.
  EXPECT_EQ(RunJobs(), (Strings{"A", "C", "B"}));
  EXPECT_EQ(runs_[1].started, At(9, 30));
  EXPECT_EQ(runs_[2].started, At(9, 30, 50));
}

TEST_F(MinuteCheckTest, AJobDueNowStartsBeforeTheWarningOfAnEarlierRow) {
  AddJob("next", "09:31", "開始");
  AddJob("now", "09:30", "停止");
  RunClock(At(9, 29, 10), At(9, 29, 20));
  table_.SetItemText(1, qm::kColumnState, "開始");  // armed after 09:29's check: no warning
  RunClock(At(9, 29, 21), At(9, 30, 1));
  ASSERT_EQ(RunJobs(), Strings{"now"});
  EXPECT_EQ(runs_[0].started, At(9, 30)) << "not after the 55 seconds of the other's warning";
  ASSERT_EQ(warnings_.size(), 1u);
  EXPECT_EQ(warnings_[0].job, "next");
  EXPECT_EQ(warnings_[0].opened, At(9, 30));
}

TEST_F(MinuteCheckTest, DialogStaysHiddenOverARunningPlayerAndReturnsWhenItEnds) {
  AddJob("long", "09:29", "開始");
  AddJob("next", "09:30", "開始");
  player_seconds_ = 120;
  RunClock(At(9, 29), At(9, 29, 56));
  EXPECT_EQ(RunJobs(), Strings{"long"});
  ASSERT_EQ(warnings_.size(), 1u);
  EXPECT_FALSE(shown_) << "the warning ended while 'long' plays";
  RunClock(At(9, 29, 57), At(9, 30, 30));
  EXPECT_EQ(RunJobs(), (Strings{"long", "next"}));
  RunClock(At(9, 30, 31), At(9, 31, 10));
  EXPECT_FALSE(shown_) << "'long' still plays although the poll's id has not ended";
  RunClock(At(9, 31, 11), At(9, 32, 10));
  EXPECT_TRUE(shown_);
}

TEST_F(MinuteCheckTest, TheCheckStoresTheRowCount) {
  AddJob("a", "", "");
  AddJob("b", "", "");
  g_nRowCount = -1;
  checker_.CheckSchedule(At(7, 0));
  EXPECT_EQ(g_nRowCount, 2);
}

}  // namespace
}  // namespace qm_test
