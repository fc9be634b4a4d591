#include "scheduler/job_run.h"

#include "app/bounded_format.h"
#include "app/path_composition.h"

namespace qm {

bool ComposePlayerCommandLine(char (&out)[kCommandLineBufferSize], const char* player_path,
                              const char* data_directory, const char* job_name) {
  out[0] = '\0';
  if (player_path == nullptr || player_path[0] == '\0' || job_name == nullptr ||
      job_name[0] == '\0') {
    return false;
  }
  char record_file[kPathBufferSize];
  char repeat_file[kPathBufferSize];
  return ComposeJobFilePath(record_file, data_directory, job_name, kRecordFileName) &&
         ComposeJobFilePath(repeat_file, data_directory, job_name, kRepeatFileName) &&
         ComposeBounded(out, "\"%s\" \"%s\" \"%s\"", player_path, record_file, repeat_file);
}

bool StartJobRun(const JobTable& table, int row, const char* player_path, const char* data_directory,
                 ProcessControl& processes, CompanionWatch& watch) {
  if (row < 0) return false;
  char name[kCellBufferSize] = "";
  table.GetItemText(row, kColumnName, name, sizeof name);
  char command_line[kCommandLineBufferSize];
  if (!ComposePlayerCommandLine(command_line, player_path, data_directory, name)) return false;
  watch.RecordPlayerStart(processes.StartProgram(command_line), processes);
  return true;
}

PlayerPollStep PollPlayers(CompanionWatch& watch, ProcessControl& processes) {
  if (watch.AnyPlayerAlive(processes)) return PlayerPollStep::kContinue;
  return watch.MayReshowMainDialog(processes) ? PlayerPollStep::kShowDialog : PlayerPollStep::kEnd;
}

}  // namespace qm
