#include <gtest/gtest.h>

#include "tests/native/scheduler_fake_processes.h"
#include "ui/recorder_poll.h"

namespace {

TEST(RecorderPoll, WaitsForTheRecorderAndForMinuteChecksAndShowsOnlyWhenNothingKeepsItHidden) {
  struct Case {
    const char* what;
    bool recorder_started;
    bool recorder_alive;
    bool player_alive;
    int minute_checks;
    int warnings_open;
    bool expect_wait;
    bool expect_show;
  } cases[] = {
      {"recorder still runs", true, true, false, 0, 0, true, false},
      {"recorder ended", true, false, false, 0, 0, false, true},
      {"recorder could not start: back at the first tick", false, false, false, 0, 0, false, true},
      {"a player started meanwhile runs on: the recorder's wait still ends", true, false, true, 0, 0,
       false, false},
      {"recorder ended inside a minute check: retry later", true, false, false, 1, 1, true, false},
      {"recorder ended while a warning is open outside any check", true, false, false, 0, 1, false,
       false},
  };
  for (const Case& c : cases) {
    qm_test::FakeProcesses processes;
    qm::CompanionWatch watch;
    if (c.recorder_started) {
      watch.recorder_id = processes.StartProgram("\"recorder\"");
      if (!c.recorder_alive) processes.End(watch.recorder_id);
    }
    // A player that ran and ended earlier must not count.
    const qm::ProcessId ended_player = processes.StartProgram("player");
    processes.End(ended_player);
    watch.RecordPlayerStart(ended_player, processes);
    if (c.player_alive) watch.RecordPlayerStart(processes.StartProgram("player"), processes);
    watch.minute_checks_running = c.minute_checks;
    watch.warnings_open = c.warnings_open;

    const qm::RecorderPollDecision decision = qm::DecideRecorderPoll(watch, processes);
    EXPECT_EQ(decision.wait_again, c.expect_wait) << c.what;
    EXPECT_EQ(decision.show, c.expect_show) << c.what;
  }
}

}  // namespace
