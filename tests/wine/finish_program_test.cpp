// The interactive program from start to end: the splash before the main
// dialog, and what exit leaves behind.
#include <windows.h>
// After windows.h, which it needs.
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/wine/finish_support.h"
#include "tests/wine/shell_test_support.h"

namespace {

using finish_test::DialogAnswerer;
using shell_test::Child;

const wchar_t kMainTitle[] =
    L"\u696D\u52D9\u81EA\u52D5\u904B\u7528\u652F\u63F4\u30B7\u30B9\u30C6\u30E0\u3000"
    L"\u3010\u30AF\u30A4\u30EB\u30DF\u30A2\u3011";  // 業務自動運用支援システム　【クイルミア】
const wchar_t kQuestionCaption[] = L"\u30AF\u30A4\u30EB\u30DF\u30A2";  // クイルミア

// Ids of running processes whose image is the given file.
std::vector<DWORD> ProcessesOf(const std::wstring& image) {
  std::vector<DWORD> ids;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, entry.th32ProcessID);
    if (process == nullptr) continue;
    wchar_t path[MAX_PATH * 2];
    DWORD size = ARRAYSIZE(path);
    if (QueryFullProcessImageNameW(process, 0, path, &size) && lstrcmpiW(path, image.c_str()) == 0) {
      ids.push_back(entry.th32ProcessID);
    }
    CloseHandle(process);
  }
  CloseHandle(snapshot);
  return ids;
}

// A copy of the program with a WakeKeeper that stays until it is stopped,
// its data directory in a folder of the test's own.
class InteractiveProgramTest : public testing::Test {
 protected:
  InteractiveProgramTest()
      : app_(temp_.Sub(L"app")), data_root_(temp_.Sub(L"pd")), program_data_(data_root_.c_str()) {
    CreateDirectoryW(app_.c_str(), nullptr);
    CreateDirectoryW(data_root_.c_str(), nullptr);
    CopyFileW((shell_test::ProgramDirectory() + L"QuillmereControl.exe").c_str(),
              (app_ + L"\\QuillmereControl.exe").c_str(), FALSE);
    CopyFileW((shell_test::TestProgramDirectory() + L"shell_sleeper.exe").c_str(),
              WakeKeeper().c_str(), FALSE);
  }
  std::wstring WakeKeeper() const { return app_ + L"\\WakeKeeper.exe"; }
  std::wstring DataDirectory() const { return data_root_ + L"\\Tallowgate\\Quillmere"; }
  std::wstring ScheduleFile() const { return DataDirectory() + L"\\ExecTime.def"; }
  void LayJobs(const std::string& schedule) {
    CreateDirectoryW((data_root_ + L"\\Tallowgate").c_str(), nullptr);
    CreateDirectoryW(DataDirectory().c_str(), nullptr);
    CreateDirectoryW((DataDirectory() + L"\\job").c_str(), nullptr);
    shell_test::WriteFileBytes(ScheduleFile(), schedule);
  }
  Child Start() { return Child(L"\"" + app_ + L"\\QuillmereControl.exe\""); }

  shell_test::TempFolder temp_;
  std::wstring app_;
  std::wstring data_root_;
  shell_test::ScopedProgramData program_data_;
};

TEST_F(InteractiveProgramTest, TheSplashComesAndGoesBeforeTheMainDialogShowsAndExitSavesAndEnds) {
  LayJobs("job,23:59,\r\n");  // a start time, not armed
  Child program = Start();
  bool splash_seen = false;
  bool splash_with_dialog = false;
  HWND dialog = nullptr;
  const DWORD start = GetTickCount();
  while (dialog == nullptr && GetTickCount() - start < shell_test::kGuardMilliseconds &&
         !program.HasEnded()) {
    const bool splash =
        finish_test::FindProcessWindow(program.id(), L"SplashScreenExClass", nullptr) != nullptr;
    splash_seen = splash_seen || splash;
    dialog = finish_test::FindProcessWindow(program.id(), nullptr, kMainTitle);
    splash_with_dialog = splash_with_dialog || (splash && dialog != nullptr);
    Sleep(1);
  }
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(splash_seen);
  EXPECT_FALSE(splash_with_dialog);
  EXPECT_EQ(finish_test::FindProcessWindow(program.id(), L"SplashScreenExClass", nullptr), nullptr)
      << "the splash outlived its sequence";

  DeleteFileW(ScheduleFile().c_str());
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  ASSERT_TRUE(program.WaitForEnd()) << "no armed job: exit neither asks nor stays";
  EXPECT_EQ(shell_test::ReadFileBytes(ScheduleFile()), "job,23:59,\r\n");
}

// Waits for a minute check to find the armed job and start the WakeKeeper
// (the first clock tick's check, or at the latest the next minute's).
TEST_F(InteractiveProgramTest, ExitWhileSchedulingAsksAndTheWakeKeeperIsStoppedAfterTheDialogEnds) {
  LayJobs("job,23:59,\x8A\x4A\x8E\x6E\r\n");  // armed: "開始" in code page 932
  Child program = Start();
  std::vector<DWORD> keepers;
  ASSERT_TRUE(finish_test::PumpUntil([&] {
    keepers = ProcessesOf(WakeKeeper());
    return !keepers.empty() || program.HasEnded();
  }, 75000));
  ASSERT_EQ(keepers.size(), 1u);
  HWND dialog = finish_test::FindProcessWindow(program.id(), nullptr, kMainTitle);
  ASSERT_NE(dialog, nullptr);

  {
    DialogAnswerer no(kQuestionCaption, IDNO, program.id());
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    ASSERT_TRUE(finish_test::PumpUntil([&] { return no.Answered(); }));
  }
  Sleep(500);
  EXPECT_FALSE(program.HasEnded()) << "No ended the program";
  EXPECT_FALSE(ProcessesOf(WakeKeeper()).empty());

  DialogAnswerer yes(kQuestionCaption, IDYES, program.id());
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  ASSERT_TRUE(program.WaitForEnd());
  EXPECT_TRUE(yes.Answered());
  EXPECT_TRUE(ProcessesOf(WakeKeeper()).empty()) << "the WakeKeeper outlived the program";
}

}  // namespace
