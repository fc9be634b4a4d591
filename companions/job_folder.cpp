#include "companions/job_folder.h"

#include <windows.h>

#include <algorithm>

#include "app/buffer_limits.h"
#include "app/job_name.h"
#include "app/path_composition.h"
#include "framework/cp932_text.h"

namespace qm {
namespace {

bool IsDirectory(const char* path) {
  const DWORD attributes = GetFileAttributesW(WideFromCp932(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool EnsureFile(const char* path) {
  HANDLE file = CreateFileW(WideFromCp932(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                            OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  return true;
}

}  // namespace

JobFolderResult CreateJobFolder(const char* data_directory, const char* job_name) {
  if (data_directory == nullptr || data_directory[0] == '\0') {
    return JobFolderResult::kNoDataDirectory;
  }
  if (!IsValidJobName(job_name)) return JobFolderResult::kInvalidName;
  char folder[kPathBufferSize];
  char record_file[kPathBufferSize];
  char repeat_file[kPathBufferSize];
  if (!ComposeDataPath(folder, data_directory, job_name) ||
      !ComposeJobFilePath(record_file, data_directory, job_name, kRecordFileName) ||
      !ComposeJobFilePath(repeat_file, data_directory, job_name, kRepeatFileName)) {
    return JobFolderResult::kTooLong;
  }
  const bool present = IsDirectory(folder);
  if (!present && !CreateDirectoryW(WideFromCp932(folder).c_str(), nullptr)) {
    return JobFolderResult::kFailed;
  }
  if (!EnsureFile(record_file) || !EnsureFile(repeat_file)) return JobFolderResult::kFailed;
  return present ? JobFolderResult::kAlreadyPresent : JobFolderResult::kCreated;
}

bool ListJobFiles(const char* data_directory, const char* job_name, std::vector<JobFile>* files) {
  files->clear();
  char folder[kPathBufferSize];
  if (!ComposeDataPath(folder, data_directory, job_name) || !IsValidJobName(job_name) ||
      !IsDirectory(folder)) {
    return false;
  }
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((WideFromCp932(folder) + L"\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return true;
  do {
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) continue;
    const std::uint64_t size =
        (static_cast<std::uint64_t>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
    files->push_back(JobFile{Cp932FromWide(found.cFileName), size});
  } while (FindNextFileW(search, &found));
  FindClose(search);
  std::sort(files->begin(), files->end(),
            [](const JobFile& a, const JobFile& b) { return a.name < b.name; });
  return true;
}

}  // namespace qm
