#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "app/win/win32_process_control.h"
#include "framework/cp932_text.h"
#include "tests/wine/shell_test_support.h"

namespace {

using shell_test::TempFolder;
using shell_test::WaitForProcessEnd;

std::string Sleeper() {
  return qm::Cp932FromWide(L"\"" + shell_test::TestProgramDirectory() + L"shell_sleeper.exe\"");
}

class ProcessControlTest : public testing::Test {
 protected:
  // Ends what a failed test left running; the handles close with processes_.
  void TearDown() override {
    for (qm::ProcessId id : running_) processes_.KillProcess(id);
  }
  qm::ProcessId StartSleeper(const char* argument = "") {
    const qm::ProcessId id = processes_.StartProgram((Sleeper() + " " + argument).c_str());
    running_.push_back(id);
    return id;
  }
  qm::Win32ProcessControl processes_;
  std::vector<qm::ProcessId> running_;
};

TEST_F(ProcessControlTest, AStartedProgramIsAliveUntilItEnds) {
  const qm::ProcessId id = StartSleeper();
  ASSERT_NE(id, 0u);
  EXPECT_TRUE(processes_.IsProcessAlive(id));
  processes_.KillProcess(id);
  ASSERT_TRUE(WaitForProcessEnd(id));
  EXPECT_FALSE(processes_.IsProcessAlive(id));
}

TEST_F(ProcessControlTest, AProgramThatEndsOnItsOwnIsNoLongerAlive) {
  const qm::ProcessId id = StartSleeper("exit");
  ASSERT_NE(id, 0u);
  ASSERT_TRUE(WaitForProcessEnd(id));
  EXPECT_FALSE(processes_.IsProcessAlive(id));
}

TEST_F(ProcessControlTest, AStaleIdIsNeverGivenToAnotherProcess) {
  const qm::ProcessId ended = StartSleeper("exit");
  ASSERT_NE(ended, 0u);
  ASSERT_TRUE(WaitForProcessEnd(ended));
  const qm::ProcessId bystander = StartSleeper();
  ASSERT_NE(bystander, 0u);
  for (int i = 0; i < 8; ++i) {
    const qm::ProcessId later = StartSleeper("exit");
    EXPECT_NE(later, ended);
    EXPECT_NE(later, bystander);
  }
  // Killing by the stale id, or by 0, must not reach the running bystander.
  processes_.KillProcess(ended);
  processes_.KillProcess(0);
  EXPECT_FALSE(processes_.IsProcessAlive(ended));
  EXPECT_FALSE(processes_.IsProcessAlive(0));
  EXPECT_TRUE(processes_.IsProcessAlive(bystander));
  // A second kill of a terminated process does nothing either.
  processes_.KillProcess(bystander);
  ASSERT_TRUE(WaitForProcessEnd(bystander));
  processes_.KillProcess(bystander);
  EXPECT_FALSE(processes_.IsProcessAlive(bystander));
}

TEST_F(ProcessControlTest, NothingStartsWithoutACommandLineOrAProgram) {
  EXPECT_EQ(processes_.StartProgram(""), 0u);
  EXPECT_EQ(processes_.StartProgram(nullptr), 0u);
  const std::string missing =
      qm::Cp932FromWide(L"\"" + shell_test::TestProgramDirectory() + L"no_such_program.exe\"");
  EXPECT_EQ(processes_.StartProgram(missing.c_str()), 0u);
}

TEST_F(ProcessControlTest, AnUnquotedProgramPathWithSpacesStillStarts) {
  TempFolder temp;
  const std::wstring folder = temp.Sub(
      shell_test::FileNameForThisLocale(temp, L"\u8868 \u30D5\u30A9\u30EB\u30C0", L"a folder"));
  ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
  const std::wstring copy = folder + L"\\sleeper copy.exe";
  ASSERT_TRUE(CopyFileW((shell_test::TestProgramDirectory() + L"shell_sleeper.exe").c_str(),
                        copy.c_str(), FALSE));
  const qm::ProcessId id = processes_.StartProgram(qm::Cp932FromWide(copy).c_str());
  running_.push_back(id);
  ASSERT_NE(id, 0u);
  EXPECT_TRUE(processes_.IsProcessAlive(id));
  processes_.KillProcess(id);
  ASSERT_TRUE(WaitForProcessEnd(id));  // so the folder can be removed
}

}  // namespace
