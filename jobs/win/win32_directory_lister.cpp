#include "jobs/win/win32_directory_lister.h"

#include "framework/cp932_text.h"

namespace qm {

Win32DirectoryLister::~Win32DirectoryLister() { Close(); }

bool Win32DirectoryLister::Open(const char* pattern) {
  Close();
  find_ = FindFirstFileW(WideFromCp932(pattern).c_str(), &pending_);
  has_pending_ = find_ != INVALID_HANDLE_VALUE;
  return has_pending_;
}

bool Win32DirectoryLister::Next(DirectoryEntry& entry) {
  if (find_ == INVALID_HANDLE_VALUE) return false;
  if (!has_pending_ && !FindNextFileW(find_, &pending_)) return false;
  has_pending_ = false;
  entry.name = Cp932FromWide(pending_.cFileName);
  entry.is_directory = (pending_.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  return true;
}

void Win32DirectoryLister::Close() {
  if (find_ != INVALID_HANDLE_VALUE) FindClose(find_);
  find_ = INVALID_HANDLE_VALUE;
  has_pending_ = false;
}

}  // namespace qm
