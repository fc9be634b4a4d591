#include "scheduler/job_run.h"

#include "app/path_composition.h"

namespace qm {

bool StartJobRun(const JobTable& table, int row, const char* player_path, const char* data_directory,
                 ProcessControl& processes, CompanionWatch& watch) {
  if (row < 0) return false;
  char name[kCellBufferSize] = "";
  table.GetItemText(row, kColumnName, name, sizeof name);
  if (name[0] == '\0') return false;
  char command_line[kCommandLineBufferSize];
  if (!ComposePlayerCommandLine(command_line, player_path, data_directory, data_directory, name)) {
    return false;
  }
  watch.RecordPlayerStart(processes.StartProgram(command_line), processes);
  return true;
}

PlayerPollStep PollPlayers(CompanionWatch& watch, ProcessControl& processes) {
  if (watch.AnyPlayerAlive(processes)) return PlayerPollStep::kContinue;
  return watch.MayReshowMainDialog(processes) ? PlayerPollStep::kShowDialog : PlayerPollStep::kEnd;
}

}  // namespace qm
