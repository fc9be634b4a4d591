#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace qm {

enum class JobFolderResult {
  kCreated,
  kAlreadyPresent,  // the folder was there; its files are kept as they are
  kInvalidName,
  kTooLong,
  kNoDataDirectory,
  kFailed,
};

// Creates the job's folder in the data directory with empty record and
// repeat files; files already there keep their contents.
JobFolderResult CreateJobFolder(const char* data_directory, const char* job_name);

struct JobFile {
  std::string name;  // code page 932
  std::uint64_t size;
};

// The files of the job's folder, sorted by name; false when there is no
// such folder.
bool ListJobFiles(const char* data_directory, const char* job_name, std::vector<JobFile>* files);

}  // namespace qm
