#pragma once
#include "jobs/schedule_file.h"

namespace qm {

// The schedule file through the W file functions: the temporary file is
// flushed with FlushFileBuffers and moved over the schedule file with
// MoveFileExW (replace existing, write through).
class Win32ScheduleFiles : public ScheduleFiles {
 public:
  std::unique_ptr<ScheduleLineReader> OpenForReading(const char* path) override;
  std::unique_ptr<ScheduleTempFile> CreateTemporary(const char* path) override;
};

}  // namespace qm
