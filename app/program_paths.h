#pragma once
#include "app/buffer_limits.h"

namespace qm {

// The fixed paths built once at start-up and kept for the whole run. A path
// that would not fit its buffer, or that needs a missing data directory, is
// the empty text.
struct ProgramPaths {
  char player[kPathBufferSize] = "";
  char wake_keeper[kPathBufferSize] = "";
  char recorder[kPathBufferSize] = "";
  char schedule_file[kPathBufferSize] = "";
};

extern ProgramPaths g_Paths;

// Executable directory + "ReplayRunner.exe"; built in both run modes.
void BuildPlayerPath(ProgramPaths& paths, const char* executable_directory);

// The WakeKeeper path, the schedule file path and the recorder path, in that
// order; data_directory is asked once, for the schedule file, and may create
// the data directory.
void BuildInteractivePaths(ProgramPaths& paths, const char* executable_directory,
                           const char* (*data_directory)());

}  // namespace qm
