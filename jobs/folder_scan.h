#pragma once
#include <string>

#include "jobs/job_table.h"

namespace qm {

// One entry of a directory listing; the name in code page 932.
struct DirectoryEntry {
  std::string name;
  bool is_directory = false;
};

// The operating system's enumeration of the entries that match a pattern,
// delivered in the order the system gives them.
class DirectoryLister {
 public:
  virtual ~DirectoryLister() = default;
  // Starts a listing of pattern; false when nothing can be listed.
  virtual bool Open(const char* pattern) = 0;
  // The next entry; false once the listing is exhausted or fails.
  virtual bool Next(DirectoryEntry& entry) = 0;
  // Ends the listing that Open started.
  virtual void Close() = 0;
};

// Rebuilds every row from the job directories below data_directory: one row
// per sub-directory in listing order, numbered from 1. An empty path, or a
// directory that cannot be listed, leaves the table empty.
void ScanJobFolders(const char* data_directory, JobTable& table, DirectoryLister& lister);

}  // namespace qm
