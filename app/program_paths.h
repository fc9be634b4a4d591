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

}  // namespace qm
