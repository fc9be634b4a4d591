#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "tests/wine/shell_test_support.h"

namespace {

using shell_test::Child;
using shell_test::Exists;
using shell_test::ScopedProgramData;
using shell_test::TempFolder;

const wchar_t kTail[] = L"\\Tallowgate\\Quillmere";

std::wstring ReadWideFile(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return L"(none)";
  wchar_t buffer[4096];
  DWORD read = 0;
  ReadFile(file, buffer, sizeof(buffer) - sizeof(wchar_t), &read, nullptr);
  CloseHandle(file);
  return std::wstring(buffer, read / sizeof(wchar_t));
}

// A copy of the program beside a fake player that records its command line,
// with ProgramData pointed at a folder of the test's own.
class ProgramTest : public testing::Test {
 protected:
  ProgramTest()
      : app_(temp_.Sub(L"app")), data_root_(temp_.Sub(L"pd")), program_data_(data_root_.c_str()) {
    CreateDirectoryW(app_.c_str(), nullptr);
    CreateDirectoryW(data_root_.c_str(), nullptr);
    CopyFileW((shell_test::ProgramDirectory() + L"QuillmereControl.exe").c_str(),
              (app_ + L"\\QuillmereControl.exe").c_str(), FALSE);
  }
  void InstallPlayer() {
    ASSERT_TRUE(CopyFileW((shell_test::TestProgramDirectory() + L"shell_fake_player.exe").c_str(),
                          (app_ + L"\\ReplayRunner.exe").c_str(), FALSE));
  }
  std::wstring Program() const { return L"\"" + app_ + L"\\QuillmereControl.exe\""; }
  std::wstring RecordedCommandLine() const {
    return ReadWideFile(app_ + L"\\player_command_line.txt");
  }
  bool PlayerStarted() const { return Exists(app_ + L"\\player_command_line.txt"); }
  std::wstring DataDirectory() const { return data_root_ + kTail; }

  TempFolder temp_;
  std::wstring app_;
  std::wstring data_root_;
  ScopedProgramData program_data_;
};

struct JobCase {
  const char* name;
  std::wstring job;
};

class OneArgumentStart : public ProgramTest, public testing::WithParamInterface<JobCase> {};

TEST_P(OneArgumentStart, StartsThePlayerWithTheJobsTwoFiles) {
  InstallPlayer();
  Child program(Program() + L" \"" + GetParam().job + L"\"");
  ASSERT_TRUE(program.WaitForEnd());
  const std::wstring job_folder = DataDirectory() + L"\\" + GetParam().job;
  EXPECT_EQ(RecordedCommandLine(), L"\"" + app_ + L"\\ReplayRunner.exe\" \"" + job_folder +
                                       L"\\KeyRecord.def\" \"" + job_folder + L"\\KeyRepeat.def\"");
  EXPECT_TRUE(Exists(DataDirectory())) << "the mode creates a missing data directory";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OneArgumentStart,
    testing::Values(JobCase{"JapaneseName", L"\u671D\u306E\u51E6\u7406"},  // 朝の処理
                    JobCase{"NameWithSpaces", L"\u6708\u6B21 \u96C6\u8A08 2"},
                    JobCase{"EmptyName", L""}),
    [](const testing::TestParamInfo<JobCase>& info) { return std::string(info.param.name); });

TEST_F(ProgramTest, OneArgumentModeEndsOnlyAfterThePlayerHasEnded) {
  InstallPlayer();
  SetEnvironmentVariableW(L"QM_FAKE_PLAYER_LINGER_MS", L"1500");
  Child program(Program() + L" job");
  SetEnvironmentVariableW(L"QM_FAKE_PLAYER_LINGER_MS", nullptr);
  ASSERT_TRUE(program.WaitForEnd());
  EXPECT_TRUE(PlayerStarted());
  EXPECT_TRUE(Exists(app_ + L"\\player_ended.txt")) << "the program ended before its player";
}

TEST_F(ProgramTest, OneArgumentModeRefusesNamesThatDoNotFitWithoutStartingThePlayer) {
  InstallPlayer();
  const size_t lengths[] = {600, 512, 230};  // 230: a folder name whose paths exceed 259 bytes
  for (size_t length : lengths) {
    Child program(Program() + L" " + std::wstring(length, L'j'));
    ASSERT_TRUE(program.WaitForEnd()) << length;
    EXPECT_FALSE(PlayerStarted()) << length;
  }
}

TEST_F(ProgramTest, OneArgumentModeEndsWhenThePlayerCannotBeStarted) {
  Child program(Program() + L" job");
  EXPECT_TRUE(program.WaitForEnd());
}

// The test holds the guard as a running interactive instance would.
class HeldGuard {
 public:
  HeldGuard() {
    SetLastError(ERROR_SUCCESS);
    mutex_ = CreateMutexW(nullptr, TRUE, L"QuillmereControl");
    held_ = mutex_ != nullptr && GetLastError() != ERROR_ALREADY_EXISTS;
  }
  ~HeldGuard() {
    if (mutex_ != nullptr) {
      ReleaseMutex(mutex_);
      CloseHandle(mutex_);
    }
  }
  bool held() const { return held_; }

 private:
  HANDLE mutex_;
  bool held_;
};

TEST_F(ProgramTest, ASecondInteractiveStartEndsAtOnceAndTouchesNothing) {
  InstallPlayer();
  HeldGuard guard;
  ASSERT_TRUE(guard.held()) << "another instance holds the guard";
  const wchar_t* arguments[] = {L"", L" a b"};  // two arguments are the interactive mode too
  for (const wchar_t* argument : arguments) {
    Child program(Program() + argument);
    ASSERT_TRUE(program.WaitForEnd()) << "the refused instance kept running";
    EXPECT_FALSE(Exists(data_root_ + L"\\Tallowgate")) << "it built its paths";
    EXPECT_FALSE(PlayerStarted());
  }
}

TEST_F(ProgramTest, AnInteractiveStartWithoutARunningInstanceBuildsItsPaths) {
  Child program(Program());
  // Later the program stays in its main dialog; it has built its paths
  // (creating the data directory) before that, or has ended.
  for (DWORD waited = 0;
       waited < shell_test::kGuardMilliseconds && !Exists(DataDirectory()) && !program.HasEnded();
       waited += 50) {
    Sleep(50);
  }
  EXPECT_TRUE(Exists(DataDirectory()));
}

}  // namespace
