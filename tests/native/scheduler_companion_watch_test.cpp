#include <gtest/gtest.h>

#include "scheduler/companion_watch.h"
#include "tests/native/scheduler_fake_processes.h"

namespace {

TEST(CompanionWatch, ReshowsOnlyWhenNoWarningIsOpenAndNoWatchedCompanionRuns) {
  struct {
    bool player_alive;
    bool recorder_alive;
    int warnings_open;
    bool may_reshow;
  } cases[] = {
      {false, false, 0, true},  {true, false, 0, false}, {false, true, 0, false},
      {true, true, 0, false},   {false, false, 1, false},
  };
  for (const auto& c : cases) {
    qm_test::FakeProcesses processes;
    qm::CompanionWatch watch;
    watch.player_id = processes.StartProgram("player");
    watch.recorder_id = processes.StartProgram("recorder");
    if (!c.player_alive) processes.End(watch.player_id);
    if (!c.recorder_alive) processes.End(watch.recorder_id);
    watch.warnings_open = c.warnings_open;
    EXPECT_EQ(watch.MayReshowMainDialog(processes), c.may_reshow)
        << c.player_alive << c.recorder_alive << c.warnings_open;
  }
}

TEST(CompanionWatch, AnIdOfZeroIsNeverAskedAbout) {
  // A fake that calls everything alive shows that 0 is treated as ended.
  struct AllAlive : qm_test::FakeProcesses {
    bool IsProcessAlive(qm::ProcessId) override { return true; }
  } processes;
  qm::CompanionWatch watch;
  EXPECT_TRUE(watch.MayReshowMainDialog(processes));
  watch.player_id = 7;
  EXPECT_FALSE(watch.MayReshowMainDialog(processes));
}

TEST(CompanionWatch, AnEarlierPlayerStillPlayingKeepsTheDialogHidden) {
  qm_test::FakeProcesses processes;
  qm::CompanionWatch watch;
  const qm::ProcessId first = processes.StartProgram("player A");
  watch.RecordPlayerStart(first, processes);
  const qm::ProcessId second = processes.StartProgram("player B");
  watch.RecordPlayerStart(second, processes);
  EXPECT_EQ(watch.player_id, second);

  processes.End(second);
  EXPECT_FALSE(watch.MayReshowMainDialog(processes));
  processes.End(first);
  EXPECT_TRUE(watch.MayReshowMainDialog(processes));
  EXPECT_TRUE(watch.earlier_players.empty());

  // A player that had ended before the next start is not kept.
  watch.RecordPlayerStart(processes.StartProgram("player C"), processes);
  EXPECT_TRUE(watch.earlier_players.empty());
}

TEST(CompanionWatch, MinuteCheckScopesNest) {
  qm::CompanionWatch watch;
  EXPECT_FALSE(watch.MinuteCheckInProgress());
  {
    qm::MinuteCheckScope outer(watch);
    {
      qm::MinuteCheckScope inner(watch);
      EXPECT_EQ(watch.minute_checks_running, 2);
    }
    EXPECT_TRUE(watch.MinuteCheckInProgress());
  }
  EXPECT_FALSE(watch.MinuteCheckInProgress());
}

}  // namespace
