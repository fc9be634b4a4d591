#pragma once
#include "app/buffer_limits.h"

namespace qm {

// The recorder's command line: its path in double quotes, so that an install
// folder with spaces cannot make the system start another program, followed
// by the job name in double quotes when one is given (job_name null: a new
// job). False, and the empty text, when it would not fit.
bool ComposeRecorderCommandLine(char (&out)[kCommandLineBufferSize], const char* recorder_path,
                                const char* job_name);

}  // namespace qm
