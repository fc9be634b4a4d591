// Measures under Wine (or Windows) how long QuillmereControl.exe takes from
// process creation to its main dialog being visible, with a data directory
// of many jobs, and can keep it open for an idle-cost measurement.
//
//   startup_bench.exe [--jobs N] [--armed M] [--runs K] [--idle SECONDS]
//
// The programs are found in ../bin beside this one's folder. Prints one line
// per run and a summary; with --idle prints "idle-pid <Windows pid>" and keeps
// the dialog open for SECONDS before ending it.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <string>
#include <vector>

#include "bench/win/bench_process.h"
#include "tests/wine/process_windows.h"

namespace {

std::wstring ProgramFolder() {
  wchar_t path[MAX_PATH];
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path);
  folder.resize(folder.find_last_of(L'\\'));
  return folder.substr(0, folder.find_last_of(L'\\')) + L"\\bin\\";
}

double NowMs() {
  LARGE_INTEGER frequency, counter;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&counter);
  return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void WriteBytes(const std::wstring& path, const std::string& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

// A ProgramData folder whose data directory holds `jobs` job folders, each
// with a schedule line, the first `armed` of them armed.
std::wstring LayDataDirectory(int jobs, int armed) {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  // One folder per job count, so folders of a larger earlier run do not count.
  const std::wstring root = std::wstring(temp) + L"qm_startup_bench_" + std::to_wstring(jobs);
  const std::wstring data = root + L"\\Tallowgate\\Quillmere";
  CreateDirectoryW(root.c_str(), nullptr);
  CreateDirectoryW((root + L"\\Tallowgate").c_str(), nullptr);
  CreateDirectoryW(data.c_str(), nullptr);
  std::string schedule;
  for (int i = 0; i < jobs; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "job%05d", i);
    const std::wstring folder = data + L"\\" + std::wstring(name, name + std::strlen(name));
    CreateDirectoryW(folder.c_str(), nullptr);
    char line[64];
    std::snprintf(line, sizeof line, "%s,%02d:%02d,%s\r\n", name, (i / 60) % 24, i % 60,
                  i < armed ? "\x8A\x4A\x8E\x6E" : "\x92\xE2\x8E\x7E");
    schedule += line;
  }
  WriteBytes(data + L"\\ExecTime.def", schedule);
  return root;
}

bool HasVisibleWindow(DWORD pid, const wchar_t* class_name) {
  return qm_test::FindProcessWindow(pid, class_name, nullptr) != nullptr;
}

struct Timing {
  double dialog_visible = -1;  // ms from CreateProcess
  double splash_shown = -1;
  double splash_gone = -1;
  double ExcludingSplash() const {
    return splash_shown >= 0 && splash_gone >= 0 ? dialog_visible - (splash_gone - splash_shown)
                                                 : dialog_visible;
  }
};

PROCESS_INFORMATION Start(const std::wstring& program, const wchar_t* window_class,
                          Timing& timing) {
  std::wstring command = L"\"" + program + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process = {};
  const double begin = NowMs();
  if (!CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    std::fprintf(stderr, "cannot start %ls\n", program.c_str());
    std::exit(2);
  }
  while (NowMs() - begin < 20000) {
    const double now = NowMs() - begin;
    const bool splash = HasVisibleWindow(process.dwProcessId, L"SplashScreenExClass");
    if (splash && timing.splash_shown < 0) timing.splash_shown = now;
    if (!splash && timing.splash_shown >= 0 && timing.splash_gone < 0) timing.splash_gone = now;
    if (HasVisibleWindow(process.dwProcessId, window_class)) {
      timing.dialog_visible = now;
      break;
    }
    Sleep(1);
  }
  return process;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  int jobs = 1000, armed = 0, runs = 5, idle_seconds = 0;
  for (int i = 1; i + 1 < argc; i += 2) {
    const int value = _wtoi(argv[i + 1]);
    if (!std::wcscmp(argv[i], L"--jobs")) jobs = value;
    if (!std::wcscmp(argv[i], L"--armed")) armed = value;
    if (!std::wcscmp(argv[i], L"--runs")) runs = value;
    if (!std::wcscmp(argv[i], L"--idle")) idle_seconds = value;
  }
  SetEnvironmentVariableW(L"ProgramData", LayDataDirectory(jobs, armed).c_str());
  const std::wstring folder = ProgramFolder();

  if (idle_seconds > 0) {
    Timing timing;
    PROCESS_INFORMATION process = Start(folder + L"QuillmereControl.exe", L"#32770", timing);
    std::printf("idle-pid %lu\n", process.dwProcessId);
    std::fflush(stdout);
    Sleep(static_cast<DWORD>(idle_seconds) * 1000);
    std::printf("idle-end\n");
    std::fflush(stdout);
    qm_bench::EndStartedProcess(process);
    return 0;
  }

  std::vector<double> baseline, totals, without_splash;
  for (int run = 0; run < runs; ++run) {
    Timing trivial;
    PROCESS_INFORMATION helper = Start(folder + L"InputStudio.exe", L"QuillmereInputStudio", trivial);
    qm_bench::EndStartedProcess(helper);
    Timing timing;
    PROCESS_INFORMATION process = Start(folder + L"QuillmereControl.exe", L"#32770", timing);
    qm_bench::EndStartedProcess(process);
    baseline.push_back(trivial.dialog_visible);
    totals.push_back(timing.dialog_visible);
    without_splash.push_back(timing.ExcludingSplash());
    std::printf("run %d: trivial window %.0f ms; main dialog %.0f ms (splash %.0f..%.0f ms), "
                "without the splash %.0f ms\n",
                run + 1, trivial.dialog_visible, timing.dialog_visible, timing.splash_shown,
                timing.splash_gone, timing.ExcludingSplash());
  }
  std::printf("median of %d runs with %d jobs: trivial window %.0f ms, main dialog %.0f ms, "
              "without the splash %.0f ms\n",
              runs, jobs, Median(baseline), Median(totals), Median(without_splash));
  return 0;
}
