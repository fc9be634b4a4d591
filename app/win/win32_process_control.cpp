#include "app/win/win32_process_control.h"

#include <tlhelp32.h>

#include <string>

#include "framework/cp932_text.h"

namespace qm {

Win32ProcessControl::~Win32ProcessControl() {
  for (HANDLE handle : handles_) CloseHandle(handle);
}

ProcessId Win32ProcessControl::StartProgram(const char* command_line) {
  if (command_line == nullptr || command_line[0] == '\0') return 0;
  // CreateProcessW may write into the command line, so it gets its own copy.
  std::wstring writable = WideFromCp932(command_line);
  if (writable.empty()) return 0;
  writable.push_back(L'\0');

  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_HIDE;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessW(nullptr, &writable[0], nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                      nullptr, &startup, &process)) {
    return 0;
  }
  handles_.push_back(process.hProcess);
  handles_.push_back(process.hThread);
  return GetProcessId(process.hProcess);
}

bool Win32ProcessControl::IsProcessAlive(ProcessId id) {
  if (id == 0) return false;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return false;
  PROCESSENTRY32W entry = {};
  entry.dwSize = sizeof(entry);
  bool alive = false;
  for (BOOL more = Process32FirstW(snapshot, &entry); more && !alive;
       more = Process32NextW(snapshot, &entry)) {
    alive = entry.th32ProcessID == id;
  }
  CloseHandle(snapshot);
  return alive;
}

void Win32ProcessControl::KillProcess(ProcessId id) {
  if (id == 0) return;
  HANDLE process = OpenProcess(PROCESS_ALL_ACCESS, FALSE, id);
  if (process == nullptr) return;
  TerminateProcess(process, 0);
  CloseHandle(process);
}

ProcessControl& SystemProcesses() {
  static Win32ProcessControl processes;
  return processes;
}

}  // namespace qm
