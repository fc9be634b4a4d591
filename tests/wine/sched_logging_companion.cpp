// Stands in for the player and the WakeKeeper: notes the moment it starts,
// its process id and its command line in the start log beside itself, then
// stays. As WakeKeeper.exe it stays until it is ended; otherwise for
// QM_FAKE_PLAYER_LINGER_MS milliseconds (3000 when unset), as a short
// playback would.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

#include "tests/wine/sched_companion_log.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  const unsigned long long started = sched_test::PreciseNow();
  wchar_t module[MAX_PATH * 4];
  const DWORD length = GetModuleFileNameW(nullptr, module, ARRAYSIZE(module));
  const std::wstring path(module, length);
  const size_t slash = path.find_last_of(L'\\');
  const std::wstring directory = path.substr(0, slash + 1);
  const bool wake_keeper = _wcsicmp(path.c_str() + slash + 1, L"WakeKeeper.exe") == 0;

  const wchar_t* command_line = GetCommandLineW();
  std::string line(64 + 4 * std::wcslen(command_line), '\0');
  int used = std::snprintf(&line[0], line.size(), "%llu %lu ", started, GetCurrentProcessId());
  used += WideCharToMultiByte(CP_UTF8, 0, command_line, -1, &line[used],
                              static_cast<int>(line.size()) - used, nullptr, nullptr) - 1;
  line.resize(static_cast<size_t>(used));
  line += '\n';
  // Appends in one write, so companions that start together never mix lines.
  HANDLE log = CreateFileW((directory + sched_test::kCompanionLogName).c_str(), FILE_APPEND_DATA,
                           FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
  if (log != INVALID_HANDLE_VALUE) {
    DWORD written = 0;
    WriteFile(log, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    CloseHandle(log);
  }

  if (wake_keeper) {
    Sleep(INFINITE);
  }
  wchar_t linger[32];
  DWORD milliseconds = 3000;
  if (GetEnvironmentVariableW(L"QM_FAKE_PLAYER_LINGER_MS", linger, ARRAYSIZE(linger)) > 0) {
    milliseconds = static_cast<DWORD>(std::wcstoul(linger, nullptr, 10));
  }
  Sleep(milliseconds);
  return 0;
}
