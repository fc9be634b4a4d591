#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "app/win/win32_process_control.h"
#include "companions/input_studio_ids.h"
#include "framework/cp932_text.h"
#include "tests/wine/process_windows.h"
#include "tests/wine/shell_test_support.h"

namespace {

using shell_test::Child;
using shell_test::Exists;
using shell_test::ProgramDirectory;
using shell_test::ScopedProgramData;
using shell_test::TempFolder;
using shell_test::WaitForProcessEnd;

std::wstring Quoted(const std::wstring& text) { return L"\"" + text + L"\""; }

struct PlayerCase {
  const char* name;
  std::vector<std::wstring> arguments;  // names under the temp folder
  bool played;
};

class ReplayRunnerArguments : public testing::TestWithParam<PlayerCase> {};

TEST_P(ReplayRunnerArguments, EndsAtOnceWithAStatusThatSaysWhetherItCouldPlay) {
  TempFolder temp;
  ASSERT_TRUE(shell_test::WriteFileBytes(temp.Sub(L"KeyRecord.def"), "r"));
  ASSERT_TRUE(shell_test::WriteFileBytes(temp.Sub(L"KeyRepeat.def"), ""));
  CreateDirectoryW(temp.Sub(L"folder").c_str(), nullptr);
  std::wstring command_line = Quoted(ProgramDirectory() + L"ReplayRunner.exe");
  for (const std::wstring& argument : GetParam().arguments) {
    command_line += L" " + Quoted(temp.Sub(argument));
  }
  Child player(command_line);
  ASSERT_TRUE(player.started());
  DWORD status = 1234;
  ASSERT_TRUE(player.WaitForEnd(&status));
  EXPECT_EQ(status == 0, GetParam().played) << status;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReplayRunnerArguments,
    testing::Values(PlayerCase{"BothFiles", {L"KeyRecord.def", L"KeyRepeat.def"}, true},
                    PlayerCase{"MissingRepeatFile", {L"KeyRecord.def", L"missing.def"}, false},
                    PlayerCase{"MissingRecordFile", {L"missing.def", L"KeyRepeat.def"}, false},
                    PlayerCase{"AFolderIsNoFile", {L"KeyRecord.def", L"folder"}, false},
                    PlayerCase{"NoArgument", {}, false},
                    PlayerCase{"OneArgument", {L"KeyRecord.def"}, false},
                    PlayerCase{"ThreeArguments",
                               {L"KeyRecord.def", L"KeyRepeat.def", L"KeyRepeat.def"},
                               false}),
    [](const testing::TestParamInfo<PlayerCase>& info) { return std::string(info.param.name); });

TEST(WakeKeeper, RunsUntilTerminated) {
  qm::Win32ProcessControl processes;
  const std::string command_line = qm::Cp932FromWide(ProgramDirectory() + L"WakeKeeper.exe");
  const qm::ProcessId id = processes.StartProgram(command_line.c_str());
  ASSERT_NE(id, 0u);
  HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, id);
  ASSERT_NE(process, nullptr);
  EXPECT_EQ(WaitForSingleObject(process, 500), static_cast<DWORD>(WAIT_TIMEOUT))
      << "it ended on its own";
  processes.KillProcess(id);
  EXPECT_EQ(WaitForSingleObject(process, shell_test::kGuardMilliseconds),
            static_cast<DWORD>(WAIT_OBJECT_0));
  CloseHandle(process);
}

// Waits for the process's first visible top-level window.
HWND VisibleWindowOf(qm::ProcessId id) {
  for (DWORD waited = 0; waited < shell_test::kGuardMilliseconds; waited += 50) {
    if (HWND window = qm_test::FindProcessWindow(id, nullptr, nullptr)) return window;
    Sleep(50);
  }
  return nullptr;
}

std::vector<std::wstring> ListLines(HWND window) {
  HWND list = GetDlgItem(window, IDC_INPUT_STUDIO_FILES);
  std::vector<std::wstring> lines;
  const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    wchar_t line[512] = L"";
    SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(line));
    lines.push_back(line);
  }
  return lines;
}

// The recorder, started hidden as the main dialog starts it, in a data
// directory of its own.
class InputStudioTest : public testing::Test {
 protected:
  InputStudioTest() : program_data_(temp_.path().c_str()) {}
  void TearDown() override {
    if (id_ != 0 && processes_.IsProcessAlive(id_)) processes_.KillProcess(id_);
    if (id_ != 0) WaitForProcessEnd(id_);
  }
  HWND Start(const std::wstring& arguments) {
    const std::wstring command_line = ProgramDirectory() + L"InputStudio.exe" + arguments;
    id_ = processes_.StartProgram(qm::Cp932FromWide(command_line).c_str());
    return id_ == 0 ? nullptr : VisibleWindowOf(id_);
  }
  std::wstring JobFolder(const std::wstring& job) {
    return temp_.path() + L"\\Tallowgate\\Quillmere\\" + job;
  }
  TempFolder temp_;
  ScopedProgramData program_data_;
  qm::Win32ProcessControl processes_;
  qm::ProcessId id_ = 0;
};

TEST_F(InputStudioTest, ShowsItselfAndCreatesANewJobThenEndsWhenClosed) {
  HWND window = Start(L"");
  ASSERT_NE(window, nullptr) << "no visible window although started with SW_HIDE";
  const std::wstring job =
      shell_test::FileNameForThisLocale(temp_, L"\u6708\u6B21 \u96C6\u8A08", L"monthly total");
  SendMessageW(GetDlgItem(window, IDC_INPUT_STUDIO_JOB_NAME), WM_SETTEXT, 0,
               reinterpret_cast<LPARAM>(job.c_str()));
  SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDC_INPUT_STUDIO_CREATE, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(window, IDC_INPUT_STUDIO_CREATE)));

  EXPECT_TRUE(Exists(JobFolder(job) + L"\\KeyRecord.def"));
  EXPECT_TRUE(Exists(JobFolder(job) + L"\\KeyRepeat.def"));
  EXPECT_EQ(ListLines(window), (std::vector<std::wstring>{L"KeyRecord.def\t0 \u30D0\u30A4\u30C8",
                                                          L"KeyRepeat.def\t0 \u30D0\u30A4\u30C8"}));
  PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_TRUE(WaitForProcessEnd(id_));
}

TEST_F(InputStudioTest, RefusesANameThatCannotBeAFolder) {
  HWND window = Start(L"");
  ASSERT_NE(window, nullptr);
  SendMessageW(GetDlgItem(window, IDC_INPUT_STUDIO_JOB_NAME), WM_SETTEXT, 0,
               reinterpret_cast<LPARAM>(L"..\\escape"));
  SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDC_INPUT_STUDIO_CREATE, BN_CLICKED), 0);
  EXPECT_FALSE(Exists(temp_.path() + L"\\Tallowgate\\escape"));
  EXPECT_TRUE(ListLines(window).empty());
}

TEST_F(InputStudioTest, OpensTheNamedJobAndShowsItsFiles) {
  const std::wstring job =
      shell_test::FileNameForThisLocale(temp_, L"\u8868\u8A08\u7B97 \u671D", L"morning sheet");
  CreateDirectoryW((temp_.path() + L"\\Tallowgate").c_str(), nullptr);
  CreateDirectoryW((temp_.path() + L"\\Tallowgate\\Quillmere").c_str(), nullptr);
  ASSERT_TRUE(CreateDirectoryW(JobFolder(job).c_str(), nullptr));
  ASSERT_TRUE(shell_test::WriteFileBytes(JobFolder(job) + L"\\KeyRecord.def", "12345"));
  ASSERT_TRUE(shell_test::WriteFileBytes(JobFolder(job) + L"\\KeyRepeat.def", "1"));

  HWND window = Start(L" " + Quoted(job));
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(ListLines(window), (std::vector<std::wstring>{L"KeyRecord.def\t5 \u30D0\u30A4\u30C8",
                                                          L"KeyRepeat.def\t1 \u30D0\u30A4\u30C8"}));
  PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_TRUE(WaitForProcessEnd(id_));
}

}  // namespace
