// The real program on real minutes: a job armed through the dialog is
// warned about a minute ahead and played at its minute; another job's
// warning is used to stop it. Companions are stand-ins that log their start.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "framework/cp932_text.h"
#include "res/resource.h"
#include "tests/wine/sched_companion_log.h"
#include "tests/wine/sched_program_window.h"
#include "tests/wine/shell_test_support.h"

namespace {

using sched_test::CompanionStart;
using sched_test::FindDialog;
using sched_test::WaitFor;
using sched_test::WindowText;

constexpr DWORD kSecond = 1000;
// Hiding and showing take about two seconds under Wine without a window
// manager; the guards allow for a slow machine on top of that.
constexpr DWORD kWindowChange = 15 * kSecond;
constexpr int kPlayerLingerMs = 15000;

const wchar_t kJobNames[2][8] = {L"\u671D\u306E\u51E6\u7406", L"\u6708\u6B21 \u96C6\u8A08"};

std::wstring TwoDigits(int value) {
  wchar_t text[8];
  std::swprintf(text, 8, L"%02d", value);
  return text;
}

// The clock pane's text for a local time.
std::wstring ClockText(const SYSTEMTIME& t) {
  static const wchar_t kWeekdays[] = L"\u65E5\u6708\u706B\u6C34\u6728\u91D1\u571F";
  wchar_t text[64];
  std::swprintf(text, 64, L" %04u/%02u/%02u %lc %02u:%02u:%02u", t.wYear, t.wMonth, t.wDay,
                kWeekdays[t.wDayOfWeek], t.wHour, t.wMinute, t.wSecond);
  return text;
}

SYSTEMTIME LocalFromTicks(unsigned long long ticks) {
  FILETIME utc = {static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
  FILETIME local;
  SYSTEMTIME t;
  FileTimeToLocalFileTime(&utc, &local);
  FileTimeToSystemTime(&local, &t);
  return t;
}

// For failure messages: the local time of day of a moment, to the millisecond.
std::string TimeOfDay(unsigned long long ticks) {
  const SYSTEMTIME t = LocalFromTicks(ticks);
  char text[32];
  std::snprintf(text, sizeof text, "%02u:%02u:%02u.%03u", t.wHour, t.wMinute, t.wSecond,
                t.wMilliseconds);
  return text;
}

class ScheduledRunTest : public testing::Test {
 protected:
  ScheduledRunTest()
      : app_(temp_.Sub(L"app")), data_root_(temp_.Sub(L"pd")), program_data_(data_root_.c_str()) {
    CreateDirectoryW(app_.c_str(), nullptr);
    for (const wchar_t* part : {L"", L"\\Tallowgate", L"\\Tallowgate\\Quillmere"}) {
      CreateDirectoryW((data_root_ + part).c_str(), nullptr);
    }
    data_ = data_root_ + L"\\Tallowgate\\Quillmere";
    for (const wchar_t* job : kJobNames) {
      const std::wstring folder = data_ + L"\\" + job;
      CreateDirectoryW(folder.c_str(), nullptr);
      shell_test::WriteFileBytes(folder + L"\\KeyRecord.def", "record");
      shell_test::WriteFileBytes(folder + L"\\KeyRepeat.def", "repeat");
    }
    const std::wstring companion = shell_test::TestProgramDirectory() + L"sched_logging_companion.exe";
    for (const wchar_t* name : {L"QuillmereControl.exe", L"ReplayRunner.exe", L"WakeKeeper.exe"}) {
      const std::wstring source =
          std::wcscmp(name, L"QuillmereControl.exe") == 0 ? shell_test::ProgramDirectory() + name
                                                          : companion;
      copied_ = CopyFileW(source.c_str(), (app_ + L"\\" + name).c_str(), FALSE) && copied_;
    }
    SetEnvironmentVariableW(L"QM_FAKE_PLAYER_LINGER_MS", std::to_wstring(kPlayerLingerMs).c_str());
  }
  ~ScheduledRunTest() override {
    SetEnvironmentVariableW(L"QM_FAKE_PLAYER_LINGER_MS", nullptr);
    // The companions are the program's children and outlive it.
    for (const CompanionStart& start : Log()) {
      HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, start.pid);
      if (process == nullptr) continue;
      TerminateProcess(process, 0);
      WaitForSingleObject(process, 5 * kSecond);
      CloseHandle(process);
    }
  }

  std::vector<CompanionStart> Log() const {
    return sched_test::ReadCompanionLog(app_ + L"\\" + sched_test::kCompanionLogName);
  }
  std::vector<CompanionStart> StartsOf(const wchar_t* program) const {
    std::vector<CompanionStart> starts;
    const std::wstring prefix = L"\"" + app_ + L"\\" + program + L"\"";
    for (const CompanionStart& start : Log()) {
      if (start.command_line.compare(0, prefix.size(), prefix) == 0) starts.push_back(start);
    }
    return starts;
  }
  std::wstring PlayerCommandLine(const std::wstring& job) const {
    const std::wstring folder = data_ + L"\\" + job;
    return L"\"" + app_ + L"\\ReplayRunner.exe\" \"" + folder + L"\\KeyRecord.def\" \"" + folder +
           L"\\KeyRepeat.def\"";
  }

  // The warning: a dialog of the program with the job line but no job list.
  HWND Warning(DWORD pid) const {
    return FindDialog(pid, [](HWND window) {
      return IsWindowVisible(window) && GetDlgItem(window, IDC_JOB_LIST) == nullptr &&
             GetDlgItem(window, IDC_POPUP_JOB_LINE) != nullptr;
    });
  }
  static std::wstring JobLine(const std::wstring& job) {
    return L"\u5B9F\u884C\u4F5C\u696D\u540D\u3014" + job + L"\u3015";  // 実行作業名〔job〕
  }

  shell_test::TempFolder temp_;
  std::wstring app_;
  std::wstring data_root_;
  std::wstring data_;
  shell_test::ScopedProgramData program_data_;
  bool copied_ = true;
};

TEST_F(ScheduledRunTest, WarnsThenPlaysAtTheMinuteAndAStoppedWarningDisarms) {
  ASSERT_TRUE(copied_);
  shell_test::Child program(L"\"" + app_ + L"\\QuillmereControl.exe\"");
  ASSERT_TRUE(program.started());
  const DWORD pid = program.id();
  HWND dialog = nullptr;
  ASSERT_TRUE(WaitFor(
      [&] {
        dialog = FindDialog(pid, [](HWND window) {
          return IsWindowVisible(window) && GetDlgItem(window, IDC_JOB_LIST) != nullptr;
        });
        return dialog != nullptr;
      },
      shell_test::kGuardMilliseconds))
      << "no main dialog";
  HWND list = GetDlgItem(dialog, IDC_JOB_LIST);
  sched_test::RemoteControls remote(pid);
  ASSERT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 2);

  // The clock pane shows a time between the two readings around it.
  {
    const unsigned long long before = sched_test::PreciseNow();
    Sleep(1200);  // past the first tick
    const std::wstring shown = remote.StatusPaneText(GetDlgItem(dialog, IDC_STATUS_BAR), 1);
    const unsigned long long after = sched_test::PreciseNow();
    bool matches = false;
    for (unsigned long long t = before - 1000 * sched_test::kTicksPerMillisecond;
         t <= after + 1000 * sched_test::kTicksPerMillisecond && !matches;
         t += 500 * sched_test::kTicksPerMillisecond) {
      matches = shown == ClockText(LocalFromTicks(t));
    }
    EXPECT_TRUE(matches) << qm::Cp932FromWide(shown) << " vs " << qm::Cp932FromWide(ClockText(LocalFromTicks(after)));
  }

  // Row 0's job starts at the minute after its warning minute, row 1's a
  // minute later. The warning minute is the next one unless it begins too
  // soon to arm both jobs first.
  SYSTEMTIME now;
  GetLocalTime(&now);
  const int now_minutes = now.wHour * 60 + now.wMinute;
  const int warn_minutes = (now_minutes + (now.wSecond <= 45 ? 1 : 2)) % 1440;
  std::wstring jobs[2];
  int starts[2];
  for (int row = 0; row < 2; ++row) {
    jobs[row] = remote.ListItemText(list, row, 1);
    starts[row] = (warn_minutes + 1 + row) % 1440;
    remote.SelectListRow(list, row);
    ASSERT_TRUE(WaitFor([&] { return WindowText(GetDlgItem(dialog, IDC_JOB_NAME_EDIT)) == jobs[row]; },
                        5 * kSecond))
        << "selecting row " << row << " did not fill the fields";
    SendMessageW(GetDlgItem(dialog, IDC_HOUR_EDIT), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(TwoDigits(starts[row] / 60).c_str()));
    SendMessageW(GetDlgItem(dialog, IDC_MINUTE_EDIT), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(TwoDigits(starts[row] % 60).c_str()));
    SendMessageW(GetDlgItem(dialog, IDC_ARM_BUTTON), BM_CLICK, 0, 0);
    EXPECT_EQ(remote.ListItemText(list, row, 2),
              TwoDigits(starts[row] / 60) + L":" + TwoDigits(starts[row] % 60));
    EXPECT_EQ(remote.ListItemText(list, row, 4), L"\u958B\u59CB");  // 開始
  }
  GetLocalTime(&now);
  ASSERT_NE(now.wHour * 60 + now.wMinute, warn_minutes) << "arming overran into the warning minute";
  const unsigned long long armed_at = sched_test::PreciseNow();
  SCOPED_TRACE("armed by " + TimeOfDay(armed_at) + " for " +
               qm::Cp932FromWide(TwoDigits(starts[0] / 60) + L":" + TwoDigits(starts[0] % 60)));

  // The warning minute: the first job's warning over the hidden dialog.
  HWND warning = nullptr;
  ASSERT_TRUE(WaitFor([&] { return (warning = Warning(pid)) != nullptr; }, 150 * kSecond))
      << "no warning";
  const unsigned long long warned_at = sched_test::PreciseNow();
  SCOPED_TRACE("warning seen at " + TimeOfDay(warned_at));
  EXPECT_EQ(WindowText(GetDlgItem(warning, IDC_POPUP_JOB_LINE)), JobLine(jobs[0]));
  EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(dialog); }, kWindowChange))
      << "the main dialog stayed up under the warning";
  EXPECT_TRUE(StartsOf(L"ReplayRunner.exe").empty()) << "played before its minute";

  // Left alone, it runs out and the dialog comes back.
  ASSERT_TRUE(WaitFor([&] { return Warning(pid) == nullptr; }, 70 * kSecond));
  EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(dialog) != FALSE; }, kWindowChange))
      << "the dialog did not come back after the warning";
  // The first check after the arming saw the armed jobs: the WakeKeeper
  // runs, started once that check's warnings were over.
  ASSERT_TRUE(WaitFor([&] { return !StartsOf(L"WakeKeeper.exe").empty(); }, 5 * kSecond));
  EXPECT_EQ(StartsOf(L"WakeKeeper.exe")[0].command_line, L"\"" + app_ + L"\\WakeKeeper.exe\"");
  EXPECT_EQ(StartsOf(L"WakeKeeper.exe")[0].time / sched_test::kTicksPerMinute,
            armed_at / sched_test::kTicksPerMinute + 1)
      << "started at " << TimeOfDay(StartsOf(L"WakeKeeper.exe")[0].time);

  // The start minute: the first job plays, the second job's warning opens.
  ASSERT_TRUE(WaitFor([&] { return !StartsOf(L"ReplayRunner.exe").empty(); }, 30 * kSecond))
      << "the player was not started";
  const CompanionStart player = StartsOf(L"ReplayRunner.exe")[0];
  EXPECT_EQ(player.command_line, PlayerCommandLine(jobs[0]));
  EXPECT_EQ(player.time / sched_test::kTicksPerMinute, warned_at / sched_test::kTicksPerMinute + 1)
      << "not played in its start minute but at " << TimeOfDay(player.time);
  ASSERT_TRUE(WaitFor([&] { return (warning = Warning(pid)) != nullptr; }, 20 * kSecond))
      << "no warning for the second job";
  EXPECT_EQ(WindowText(GetDlgItem(warning, IDC_POPUP_JOB_LINE)), JobLine(jobs[1]));

  // "実行停止" disarms the second job and saves it; the first stays armed.
  SendMessageW(GetDlgItem(warning, IDC_POPUP_STOP_BUTTON), BM_CLICK, 0, 0);
  EXPECT_TRUE(WaitFor([&] { return Warning(pid) == nullptr; }, kWindowChange));
  EXPECT_TRUE(WaitFor([&] { return remote.ListItemText(list, 1, 4) == L"\u505C\u6B62"; },  // 停止
                      kWindowChange));
  EXPECT_EQ(remote.ListItemText(list, 0, 4), L"\u958B\u59CB");
  const std::string schedule = shell_test::ReadFileBytes(data_ + L"\\ExecTime.def");
  for (int row = 0; row < 2; ++row) {
    const std::string line =
        qm::Cp932FromWide(jobs[row] + L"," + TwoDigits(starts[row] / 60) + L":" +
                          TwoDigits(starts[row] % 60) + L"," +
                          (row == 0 ? L"\u958B\u59CB" : L"\u505C\u6B62") + L"\r\n");
    EXPECT_NE(schedule.find(line), std::string::npos) << "row " << row << " not saved";
  }

  // Hidden while the first job still plays, shown once it has ended.
  HANDLE playing = OpenProcess(SYNCHRONIZE, FALSE, player.pid);
  if (playing != nullptr && WaitForSingleObject(playing, 0) == WAIT_TIMEOUT) {
    const bool hidden = !IsWindowVisible(dialog);
    if (WaitForSingleObject(playing, 0) == WAIT_TIMEOUT) {
      EXPECT_TRUE(hidden) << "the dialog came back over the playback";
    }
  }
  if (playing != nullptr) {
    WaitForSingleObject(playing, 2 * kPlayerLingerMs);
    CloseHandle(playing);
  }
  EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(dialog) != FALSE; }, kWindowChange))
      << "the dialog did not come back after the playback";
  EXPECT_EQ(StartsOf(L"ReplayRunner.exe").size(), 1u) << "the stopped job was played";
  EXPECT_EQ(StartsOf(L"WakeKeeper.exe").size(), 1u) << "the WakeKeeper was started again";
}

}  // namespace
