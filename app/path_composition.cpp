#include "app/path_composition.h"

#include "app/bounded_format.h"

namespace qm {

const char kPlayerFileName[] = "ReplayRunner.exe";
const char kRecorderFileName[] = "InputStudio.exe";
const char kWakeKeeperFileName[] = "WakeKeeper.exe";
const char kScheduleFileName[] = "ExecTime.def";
const char kRecordFileName[] = "KeyRecord.def";
const char kRepeatFileName[] = "KeyRepeat.def";

namespace {
bool Unavailable(const char* directory) { return directory == nullptr || directory[0] == '\0'; }
}  // namespace

bool ComposeExecutablePath(char (&out)[kPathBufferSize], const char* executable_directory,
                           const char* file_name) {
  out[0] = '\0';
  if (Unavailable(executable_directory)) return false;
  return ComposeBounded(out, "%s%s", executable_directory, file_name);
}

bool ComposeDataPath(char (&out)[kPathBufferSize], const char* data_directory, const char* name) {
  out[0] = '\0';
  if (Unavailable(data_directory)) return false;
  return ComposeBounded(out, "%s\\%s", data_directory, name);
}

bool ComposeJobFilePath(char (&out)[kPathBufferSize], const char* data_directory,
                        const char* job_name, const char* file_name) {
  out[0] = '\0';
  if (Unavailable(data_directory)) return false;
  return ComposeBounded(out, "%s\\%s\\%s", data_directory, job_name, file_name);
}

bool ComposePlayerCommandLine(char (&out)[kCommandLineBufferSize], const char* player_path,
                              const char* record_data_directory,
                              const char* repeat_data_directory, const char* job_name) {
  out[0] = '\0';
  if (Unavailable(player_path)) return false;
  char record_file[kPathBufferSize];
  char repeat_file[kPathBufferSize];
  return ComposeJobFilePath(record_file, record_data_directory, job_name, kRecordFileName) &&
         ComposeJobFilePath(repeat_file, repeat_data_directory, job_name, kRepeatFileName) &&
         ComposeBounded(out, "\"%s\" \"%s\" \"%s\"", player_path, record_file, repeat_file);
}

}  // namespace qm
