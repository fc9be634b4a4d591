// Measures under Wine (or Windows) how late a scheduled job's player starts:
// from the start of its minute to the player's first action, over several
// jobs armed for consecutive minutes, beside the bare cost of starting a
// process (CreateProcess to the child's first action).
//
//   latency_bench.exe [--runs N]     (N jobs, one a minute; 6 by default)
//
// The program is found in ../bin beside this one's folder, the logging
// companion (player and WakeKeeper stand-in) beside this one. Prints one
// line per run and a summary.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <string>
#include <vector>

#include "bench/win/bench_process.h"

#include "tests/wine/sched_companion_log.h"

namespace {

using sched_test::CompanionStart;
using sched_test::kTicksPerMillisecond;
using sched_test::kTicksPerMinute;

std::wstring OwnFolder() {
  wchar_t path[MAX_PATH];
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path);
  return folder.substr(0, folder.find_last_of(L'\\') + 1);
}

void WriteBytes(const std::wstring& path, const std::string& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

bool Copy(const std::wstring& from, const std::wstring& to) {
  if (CopyFileW(from.c_str(), to.c_str(), FALSE)) return true;
  std::fprintf(stderr, "cannot copy %ls\n", from.c_str());
  return false;
}

PROCESS_INFORMATION Start(const std::wstring& program) {
  std::wstring command = L"\"" + program + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process = {};
  if (!CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    std::fprintf(stderr, "cannot start %ls\n", program.c_str());
    std::exit(2);
  }
  return process;
}

void EndProcess(DWORD pid) {
  HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid);
  if (process == nullptr) return;
  TerminateProcess(process, 0);
  WaitForSingleObject(process, 5000);
  CloseHandle(process);
}

std::vector<CompanionStart> StartsOf(const std::vector<CompanionStart>& log,
                                     const std::wstring& program) {
  std::vector<CompanionStart> starts;
  const std::wstring prefix = L"\"" + program + L"\"";
  for (const CompanionStart& start : log) {
    if (start.command_line.compare(0, prefix.size(), prefix) == 0) starts.push_back(start);
  }
  return starts;
}

// Removes the benchmark's folder with everything in it.
void RemoveTree(const std::wstring& folder) {
  WIN32_FIND_DATAW entry;
  HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &entry);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = entry.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring path = folder + L"\\" + name;
      if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(path);
      } else {
        DeleteFileW(path.c_str());
      }
    } while (FindNextFileW(find, &entry));
    FindClose(find);
  }
  RemoveDirectoryW(folder.c_str());
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t n = values.size();
  return n == 0 ? 0 : n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void Summarise(const char* what, const std::vector<double>& values) {
  std::printf("%s: median %.1f ms, max %.1f ms over %zu runs\n", what, Median(values),
              values.empty() ? 0 : *std::max_element(values.begin(), values.end()), values.size());
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  int runs = 6;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (!std::wcscmp(argv[i], L"--runs")) runs = std::max(1, _wtoi(argv[i + 1]));
  }
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::wstring root = std::wstring(temp) + L"qm_latency_bench_" + std::to_wstring(GetCurrentProcessId());
  const std::wstring app = root + L"\\app";
  const std::wstring data = root + L"\\pd\\Tallowgate\\Quillmere";
  for (const std::wstring& folder :
       {root, app, root + L"\\pd", root + L"\\pd\\Tallowgate", data}) {
    CreateDirectoryW(folder.c_str(), nullptr);
  }
  const std::wstring companion = OwnFolder() + L"latency_companion.exe";
  const std::wstring bin = OwnFolder() + L"..\\bin\\";
  if (!Copy(bin + L"QuillmereControl.exe", app + L"\\QuillmereControl.exe") ||
      !Copy(companion, app + L"\\ReplayRunner.exe") || !Copy(companion, app + L"\\WakeKeeper.exe") ||
      !Copy(companion, app + L"\\bare_start.exe")) {
    return 2;
  }
  const std::wstring log_path = app + L"\\" + sched_test::kCompanionLogName;
  SetEnvironmentVariableW(L"QM_FAKE_PLAYER_LINGER_MS", L"2000");

  // Wine's own share: the same companion, started directly.
  std::vector<double> bare;
  for (int i = 0; i < 10; ++i) {
    const unsigned long long before = sched_test::PreciseNow();
    PROCESS_INFORMATION process = Start(app + L"\\bare_start.exe");
    WaitForSingleObject(process.hProcess, 10000);
    qm_bench::EndStartedProcess(process);
    const std::vector<CompanionStart> starts = StartsOf(sched_test::ReadCompanionLog(log_path),
                                                        app + L"\\bare_start.exe");
    if (starts.size() == static_cast<size_t>(i + 1)) {
      bare.push_back(static_cast<double>(starts.back().time - before) / kTicksPerMillisecond);
    }
  }
  Summarise("bare process start (CreateProcess to the child's first action)", bare);

  // Jobs armed for consecutive minutes; the first two minutes from now, so
  // it is warned about and the program has long been up by then.
  SYSTEMTIME now;
  GetLocalTime(&now);
  const int first = now.wHour * 60 + now.wMinute + 2;
  std::string schedule;
  for (int i = 0; i < runs; ++i) {
    char name[16];
    std::snprintf(name, sizeof name, "job%02d", i + 1);
    const std::wstring folder = data + L"\\" + std::wstring(name, name + std::strlen(name));
    CreateDirectoryW(folder.c_str(), nullptr);
    WriteBytes(folder + L"\\KeyRecord.def", "record");
    WriteBytes(folder + L"\\KeyRepeat.def", "repeat");
    const int start = (first + i) % 1440;
    char line[64];
    std::snprintf(line, sizeof line, "%s,%02d:%02d,\x8A\x4A\x8E\x6E\r\n", name, start / 60, start % 60);
    schedule += line;
  }
  WriteBytes(data + L"\\ExecTime.def", schedule);
  SetEnvironmentVariableW(L"ProgramData", (root + L"\\pd").c_str());
  std::printf("%d jobs armed from %02d:%02d, one a minute; waiting about %d minutes\n", runs,
              (first / 60) % 24, first % 60, runs + 2);
  std::fflush(stdout);

  PROCESS_INFORMATION program = Start(app + L"\\QuillmereControl.exe");
  const ULONGLONG guard = GetTickCount64() + static_cast<ULONGLONG>(runs + 3) * 60000;
  std::vector<CompanionStart> players;
  while (GetTickCount64() < guard &&
         (players = StartsOf(sched_test::ReadCompanionLog(log_path), app + L"\\ReplayRunner.exe"))
                 .size() < static_cast<size_t>(runs)) {
    Sleep(500);
  }
  Sleep(3000);  // the last player's end
  qm_bench::EndStartedProcess(program);
  for (const CompanionStart& start : sched_test::ReadCompanionLog(log_path)) EndProcess(start.pid);

  RemoveTree(root);

  std::vector<double> latencies;
  for (const CompanionStart& player : players) {
    const double late = static_cast<double>(player.time % kTicksPerMinute) / kTicksPerMillisecond;
    latencies.push_back(late);
    std::printf("run %zu: %.1f ms after the minute began: %ls\n", latencies.size(), late,
                player.command_line.c_str());
  }
  if (latencies.size() < static_cast<size_t>(runs)) {
    std::printf("only %zu of %d scheduled runs started\n", latencies.size(), runs);
  }
  Summarise("scheduled start (minute start to the player's first action)", latencies);
  Summarise("bare process start, for comparison", bare);
  const double worst = latencies.empty() ? 0 : *std::max_element(latencies.begin(), latencies.end());
  std::printf("targets: median < 100 ms %s, every run < 500 ms %s\n",
              Median(latencies) < 100 ? "met" : "MISSED", worst < 500 ? "met" : "MISSED");
  return latencies.size() == static_cast<size_t>(runs) ? 0 : 1;
}
