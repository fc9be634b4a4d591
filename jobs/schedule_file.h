#pragma once
#include <cstddef>
#include <memory>

#include "jobs/job_table.h"

namespace qm {

// Reading side of the schedule file.
class ScheduleLineReader {
 public:
  virtual ~ScheduleLineReader() = default;
  // Reads as fgets does: at most size - 1 bytes, stopping after a line feed,
  // then a terminating zero. False at the end of the file or on an error.
  virtual bool ReadLine(char* buffer, std::size_t size) = 0;
};

// A new file beside the schedule file that takes its place once complete.
// Every step can fail; the schedule file itself is touched only by Replace.
class ScheduleTempFile {
 public:
  virtual ~ScheduleTempFile() = default;
  virtual bool Write(const char* bytes, std::size_t count) = 0;
  // Forces what was written onto the disk.
  virtual bool Flush() = 0;
  virtual bool Close() = 0;
  // Puts the closed temporary file in the place of the schedule file in one
  // step; on failure the schedule file is as it was.
  virtual bool Replace() = 0;
  // Deletes the temporary file (closing it first if still open).
  virtual bool Remove() = 0;
};

// The files of the schedule, as the operating system provides them.
class ScheduleFiles {
 public:
  virtual ~ScheduleFiles() = default;
  // Null when the file cannot be opened, e.g. because it does not exist yet.
  virtual std::unique_ptr<ScheduleLineReader> OpenForReading(const char* path) = 0;
  // Creates a new, empty temporary file in the folder of path, to replace
  // path. Null when it cannot, and then no file is left behind.
  virtual std::unique_ptr<ScheduleTempFile> CreateTemporary(const char* path) = 0;
};

// Writes every row that has a name and a start time as one line "name,start
// time,state\r\n". The file is replaced whole, or on any failure left exactly
// as it was. An empty path does nothing.
void SaveSchedule(const JobTable& table, const char* schedule_path, ScheduleFiles& files);

// Merges the schedule file into the table by job name: the first row whose
// name matches takes the line's start time and state; the last line for a
// name wins; lines that name no row are ignored. A missing file, or an empty
// path, leaves the table as it is.
void LoadSchedule(JobTable& table, const char* schedule_path, ScheduleFiles& files);

}  // namespace qm
