#pragma once
#include <windows.h>

#include "jobs/folder_scan.h"

namespace qm {

// FindFirstFileW / FindNextFileW, with names converted to code page 932.
class Win32DirectoryLister : public DirectoryLister {
 public:
  Win32DirectoryLister() = default;
  Win32DirectoryLister(const Win32DirectoryLister&) = delete;
  Win32DirectoryLister& operator=(const Win32DirectoryLister&) = delete;
  ~Win32DirectoryLister() override;

  bool Open(const char* pattern) override;
  bool Next(DirectoryEntry& entry) override;
  void Close() override;

 private:
  HANDLE find_ = INVALID_HANDLE_VALUE;
  WIN32_FIND_DATAW pending_{};
  bool has_pending_ = false;
};

}  // namespace qm
