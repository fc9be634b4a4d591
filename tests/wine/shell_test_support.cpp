#include "tests/wine/shell_test_support.h"

#include <cstdio>

namespace shell_test {
namespace {

std::wstring FullPath(const std::wstring& path) {
  wchar_t full[MAX_PATH * 4];
  const DWORD length = GetFullPathNameW(path.c_str(), ARRAYSIZE(full), full, nullptr);
  return length > 0 && length < ARRAYSIZE(full) ? std::wstring(full, length) : path;
}

void RemoveTree(const std::wstring& path) {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((path + L"\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = found.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring child = path + L"\\" + name;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(child);
      } else {
        SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(child.c_str());
      }
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  RemoveDirectoryW(path.c_str());
}

}  // namespace

std::wstring TestProgramDirectory() {
  wchar_t module[MAX_PATH * 4];
  const DWORD length = GetModuleFileNameW(nullptr, module, ARRAYSIZE(module));
  std::wstring path(module, length);
  return path.substr(0, path.find_last_of(L'\\') + 1);
}

std::wstring ProgramDirectory() { return FullPath(TestProgramDirectory() + L"..\\bin") + L"\\"; }

bool Exists(const std::wstring& path) {
  return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool WriteFileBytes(const std::wstring& path, const std::string& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const BOOL ok =
      WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
  return ok && written == bytes.size();
}

std::string ReadFileBytes(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::string();
  std::string bytes;
  char buffer[4096];
  DWORD read = 0;
  while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) bytes.append(buffer, read);
  CloseHandle(file);
  return bytes;
}

TempFolder::TempFolder() {
  static int counter = 0;
  wchar_t temp[MAX_PATH];
  GetTempPathW(ARRAYSIZE(temp), temp);
  wchar_t name[64];
  std::swprintf(name, 64, L"qm_shell_%lu_%d", GetCurrentProcessId(), ++counter);
  path_ = FullPath(std::wstring(temp) + name);
  RemoveTree(path_);
  CreateDirectoryW(path_.c_str(), nullptr);
}

TempFolder::~TempFolder() { RemoveTree(path_); }

std::wstring FileNameForThisLocale(const TempFolder& temp, const std::wstring& japanese,
                                   const std::wstring& ascii) {
  const std::wstring probe = temp.Sub(L"\u8868\u30BD");  // 表ソ
  const bool can = CreateDirectoryW(probe.c_str(), nullptr) != FALSE;
  RemoveDirectoryW(probe.c_str());
  return can ? japanese : ascii;
}

ScopedProgramData::ScopedProgramData(const wchar_t* value) {
  wchar_t old[32768];
  const DWORD length = GetEnvironmentVariableW(L"ProgramData", old, ARRAYSIZE(old));
  had_value_ = length > 0 || GetLastError() != ERROR_ENVVAR_NOT_FOUND;
  old_value_.assign(old, length < ARRAYSIZE(old) ? length : 0);
  SetEnvironmentVariableW(L"ProgramData", value);
}

ScopedProgramData::~ScopedProgramData() {
  SetEnvironmentVariableW(L"ProgramData", had_value_ ? old_value_.c_str() : nullptr);
}

Child::Child(const std::wstring& command_line) {
  std::wstring writable = command_line;
  writable.push_back(L'\0');
  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process = {};
  if (CreateProcessW(nullptr, &writable[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                     &process)) {
    CloseHandle(process.hThread);
    process_ = process.hProcess;
    id_ = process.dwProcessId;
  }
}

Child::~Child() {
  if (process_ == nullptr) return;
  if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
    TerminateProcess(process_, 1);
    WaitForSingleObject(process_, kGuardMilliseconds);
  }
  CloseHandle(process_);
}

bool Child::WaitForEnd(DWORD* exit_code) {
  if (process_ == nullptr || WaitForSingleObject(process_, kGuardMilliseconds) != WAIT_OBJECT_0) {
    return false;
  }
  if (exit_code != nullptr) GetExitCodeProcess(process_, exit_code);
  return true;
}

bool WaitForProcessEnd(DWORD id) {
  HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, id);
  if (process == nullptr) return false;
  const bool ended = WaitForSingleObject(process, kGuardMilliseconds) == WAIT_OBJECT_0;
  CloseHandle(process);
  return ended;
}

}  // namespace shell_test
