#pragma once
#include "app/buffer_limits.h"

namespace qm {

// The file names this program composes paths with.
extern const char kPlayerFileName[];      // "ReplayRunner.exe"
extern const char kRecorderFileName[];    // "InputStudio.exe"
extern const char kWakeKeeperFileName[];  // "WakeKeeper.exe"
extern const char kScheduleFileName[];    // "ExecTime.def"
extern const char kRecordFileName[];      // "KeyRecord.def"
extern const char kRepeatFileName[];      // "KeyRepeat.def"

// Each composition is refused (false, out empty) rather than cut when it
// does not fit, and when the directory it starts from is unavailable ("").

// executable directory (with its trailing backslash) + file name.
bool ComposeExecutablePath(char (&out)[kPathBufferSize], const char* executable_directory,
                           const char* file_name);

// data directory, a backslash, name: the schedule file or a job's folder.
bool ComposeDataPath(char (&out)[kPathBufferSize], const char* data_directory, const char* name);

// data directory, job name and file name joined by backslashes.
bool ComposeJobFilePath(char (&out)[kPathBufferSize], const char* data_directory,
                        const char* job_name, const char* file_name);

// The player's command line for one job, each part quoted: the player path,
// the job's record file and its repeat file. Both ways of playing a job use
// it. The folder of each file is given apart because each file's path asks
// for the data directory on its own (which creates a missing one). An empty
// job name is composed like any other; whether it may run is the caller's.
bool ComposePlayerCommandLine(char (&out)[kCommandLineBufferSize], const char* player_path,
                              const char* record_data_directory,
                              const char* repeat_data_directory, const char* job_name);

}  // namespace qm
