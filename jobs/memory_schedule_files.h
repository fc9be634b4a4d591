#pragma once
#include <map>
#include <memory>
#include <string>

#include "jobs/schedule_file.h"

namespace qm {

// Schedule files kept in memory, path to bytes, for tests and benchmarks.
// Temporary files appear in the same map while they exist.
class MemoryScheduleFiles : public ScheduleFiles {
 public:
  std::map<std::string, std::string> files;

  std::unique_ptr<ScheduleLineReader> OpenForReading(const char* path) override;
  std::unique_ptr<ScheduleTempFile> CreateTemporary(const char* path) override;

 private:
  int temporaries_created_ = 0;
};

}  // namespace qm
