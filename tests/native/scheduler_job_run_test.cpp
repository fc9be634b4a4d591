#include <gtest/gtest.h>

#include <string>

#include "jobs/memory_job_table.h"
#include "scheduler/job_run.h"
#include "tests/native/scheduler_fake_processes.h"

namespace {

TEST(JobRun, RefusesWithoutStartingWhatCannotBeComposedWhole) {
  const std::string long_name(240, 'x');  // the job's folder fits, its files do not
  struct {
    int row;
    const char* player;
    const char* data;
    bool starts;
  } cases[] = {
      {0, "C:\\Q\\ReplayRunner.exe", "C:\\Data", true},
      {-1, "C:\\Q\\ReplayRunner.exe", "C:\\Data", false},
      {1, "C:\\Q\\ReplayRunner.exe", "C:\\Data", false},  // empty name
      {2, "C:\\Q\\ReplayRunner.exe", "C:\\Data", false},  // a path would not fit
      {0, "", "C:\\Data", false},
      {0, "C:\\Q\\ReplayRunner.exe", "", false},
  };
  for (const auto& c : cases) {
    qm::MemoryJobTable table;
    for (const char* name : {"job", "", long_name.c_str()}) {
      table.AppendRow("n");
      table.SetItemText(table.RowCount() - 1, qm::kColumnName, name);
    }
    qm_test::FakeProcesses processes;
    qm::CompanionWatch watch;
    watch.player_id = 55;
    EXPECT_EQ(qm::StartJobRun(table, c.row, c.player, c.data, processes, watch), c.starts) << c.row;
    EXPECT_EQ(processes.started.size(), c.starts ? 1u : 0u) << c.row;
    EXPECT_EQ(watch.player_id, c.starts ? 100u : 55u) << c.row;
  }
}

TEST(JobRun, AFailedStartStillHidesAndThePollShowsAtOnce) {
  qm::MemoryJobTable table;
  table.AppendRow("1");
  table.SetItemText(0, qm::kColumnName, "job");
  qm_test::FakeProcesses processes;
  processes.fail_starts = true;
  qm::CompanionWatch watch;
  EXPECT_TRUE(qm::StartJobRun(table, 0, "p.exe", "C:\\D", processes, watch));
  EXPECT_EQ(watch.player_id, 0u);
  EXPECT_EQ(qm::PollPlayers(watch, processes), qm::PlayerPollStep::kShowDialog);
}

TEST(JobRun, PollLeavesTheShowingToTheRecordersPollWhileTheRecorderRuns) {
  qm::MemoryJobTable table;
  table.AppendRow("1");
  table.SetItemText(0, qm::kColumnName, "job");
  qm_test::FakeProcesses processes;
  qm::CompanionWatch watch;
  watch.recorder_id = processes.StartProgram("recorder");
  qm::StartJobRun(table, 0, "p.exe", "C:\\D", processes, watch);
  EXPECT_EQ(qm::PollPlayers(watch, processes), qm::PlayerPollStep::kContinue);
  processes.End(watch.player_id);
  EXPECT_EQ(qm::PollPlayers(watch, processes), qm::PlayerPollStep::kEnd);
  EXPECT_EQ(watch.recorder_id, 100u) << "the player never takes the recorder's slot";
}

}  // namespace
