#include <windows.h>
// After windows.h, which they need.
#include <shlobj.h>

#include <string>

#include "app/buffer_limits.h"
#include "app/data_directory.h"
#include "app/data_directory_walk.h"
#include "app/win/checked_cp932.h"
#include "app/win/everyone_access.h"
#include "framework/cp932_text.h"

namespace qm {
namespace {

class Win32DirectoryFileSystem : public DirectoryFileSystem {
 public:
  bool Exists(const char* path) override {
    return GetFileAttributesW(WideFromCp932(path).c_str()) != INVALID_FILE_ATTRIBUTES;
  }
  bool DriveExists(const char* drive) override {
    return GetFileAttributesW((WideFromCp932(drive) + L"\\").c_str()) != INVALID_FILE_ATTRIBUTES;
  }
  bool MakeDirectory(const char* path) override {
    return CreateDirectoryW(WideFromCp932(path).c_str(), nullptr) != FALSE;
  }
  bool GrantEveryoneAccess(const char* path) override { return qm::GrantEveryoneAccess(path); }
};

// The ProgramData value as this process sees it now; "" when unset or empty.
std::wstring ProgramDataVariable() {
  wchar_t value[32768];
  const DWORD length = GetEnvironmentVariableW(L"ProgramData", value, ARRAYSIZE(value));
  if (length == 0 || length >= ARRAYSIZE(value)) return std::wstring();
  return std::wstring(value, length);
}

std::wstring CommonAppDataFolder() {
  wchar_t folder[MAX_PATH];
  if (FAILED(
          SHGetFolderPathW(nullptr, CSIDL_COMMON_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder))) {
    return std::wstring();
  }
  return folder;
}

}  // namespace

const char* GetDataDirectory() {
  static char directory[kPathBufferSize];
  directory[0] = '\0';
  std::wstring root = ProgramDataVariable();
  if (root.empty()) root = CommonAppDataFolder();
  std::string narrow_root;
  if (root.empty() || !Cp932PathFromWide(root.c_str(), &narrow_root) ||
      !ComposeDataDirectory(narrow_root.c_str(), directory)) {
    return directory;
  }
  Win32DirectoryFileSystem file_system;
  EnsureDataDirectory(directory, file_system);
  return directory;
}

}  // namespace qm
