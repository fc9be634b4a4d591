#pragma once
// The start log that the logging companion writes: one line per start,
// "<start time> <process id> <command line>", the time in 100-ns units of
// the system's precise clock (FILETIME, UTC), the line in UTF-8.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace sched_test {

constexpr wchar_t kCompanionLogName[] = L"companion_log.txt";
constexpr unsigned long long kTicksPerMillisecond = 10000;
constexpr unsigned long long kTicksPerMinute = 60ull * 1000 * kTicksPerMillisecond;

// The precise system time where the system has it (Windows 8 and later,
// Wine), the ordinary one otherwise.
inline unsigned long long PreciseNow() {
  using Reader = void(WINAPI*)(LPFILETIME);
  static const Reader reader = [] {
    const FARPROC precise =
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "GetSystemTimePreciseAsFileTime");
    return precise != nullptr ? reinterpret_cast<Reader>(reinterpret_cast<void*>(precise))
                              : &GetSystemTimeAsFileTime;
  }();
  FILETIME now;
  reader(&now);
  return (static_cast<unsigned long long>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
}

struct CompanionStart {
  unsigned long long time = 0;
  DWORD pid = 0;
  std::wstring command_line;
};

inline std::vector<CompanionStart> ReadCompanionLog(const std::wstring& path) {
  std::vector<CompanionStart> starts;
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return starts;
  std::string bytes;
  char buffer[4096];
  DWORD read = 0;
  while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) bytes.append(buffer, read);
  CloseHandle(file);
  size_t begin = 0;
  for (size_t end; (end = bytes.find('\n', begin)) != std::string::npos; begin = end + 1) {
    const std::string line = bytes.substr(begin, end - begin);
    CompanionStart start;
    unsigned long pid = 0;
    int consumed = 0;
    if (std::sscanf(line.c_str(), "%llu %lu %n", &start.time, &pid, &consumed) < 2) continue;
    start.pid = pid;
    const std::string text = line.substr(static_cast<size_t>(consumed));
    start.command_line.resize(text.size());
    start.command_line.resize(static_cast<size_t>(
        MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                            &start.command_line[0], static_cast<int>(text.size()))));
    starts.push_back(start);
  }
  return starts;
}

}  // namespace sched_test
