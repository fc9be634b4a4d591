#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "app/one_argument_mode.h"
#include "tests/native/printable_text.h"

namespace {

const char kPlayer[] = "C:\\Apps\\Q\\ReplayRunner.exe";

// A player whose process answers "alive" a set number of times.
class FakeProcesses : public qm::ProcessControl {
 public:
  qm::ProcessId next_id = 4242;
  int alive_answers = 0;
  std::vector<std::string> started;
  std::vector<qm::ProcessId> asked;

  qm::ProcessId StartProgram(const char* command_line) override {
    started.push_back(command_line);
    return next_id;
  }
  bool IsProcessAlive(qm::ProcessId id) override {
    asked.push_back(id);
    if (id == 0 || alive_answers == 0) return false;
    --alive_answers;
    return true;
  }
  void KillProcess(qm::ProcessId) override { ADD_FAILURE() << "the mode never kills"; }
};

const char* g_data_directory = "";
int g_data_directory_calls = 0;
const char* DataDirectory() {
  ++g_data_directory_calls;
  return g_data_directory;
}

class OneArgumentMode : public testing::Test {
 protected:
  void SetUp() override {
    g_data_directory = "D:\\Data";
    g_data_directory_calls = 0;
  }
  qm::OneArgumentOutcome Run(const char* job, const char* player = kPlayer) {
    const qm::OneArgumentModeContext context{player, &DataDirectory, &processes,
                                             [this](unsigned ms) { sleeps.push_back(ms); }};
    return qm::RunOneArgumentMode(job, context);
  }
  FakeProcesses processes;
  std::vector<unsigned> sleeps;
};

struct CommandCase {
  const char* job;
  const char* command_line;
};

void PrintTo(const CommandCase& c, std::ostream* out) { *out << qm_test::PrintableText(c.job); }

class OneArgumentCommandLine : public OneArgumentMode,
                               public testing::WithParamInterface<CommandCase> {};

TEST_P(OneArgumentCommandLine, QuotesThePlayerAndBothJobFiles) {
  EXPECT_EQ(Run(GetParam().job), qm::OneArgumentOutcome::kPlayerEnded);
  EXPECT_EQ(processes.started, std::vector<std::string>{GetParam().command_line});
  EXPECT_EQ(g_data_directory_calls, 2);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OneArgumentCommandLine,
    testing::Values(
        CommandCase{"朝の処理",
                    "\"C:\\Apps\\Q\\ReplayRunner.exe\" \"D:\\Data\\朝の処理\\KeyRecord.def\""
                    " \"D:\\Data\\朝の処理\\KeyRepeat.def\""},
        CommandCase{"月次 集計",
                    "\"C:\\Apps\\Q\\ReplayRunner.exe\" \"D:\\Data\\月次 集計\\KeyRecord.def\""
                    " \"D:\\Data\\月次 集計\\KeyRepeat.def\""},
        CommandCase{"",
                    "\"C:\\Apps\\Q\\ReplayRunner.exe\" \"D:\\Data\\\\KeyRecord.def\""
                    " \"D:\\Data\\\\KeyRepeat.def\""}));

TEST_F(OneArgumentMode, AsksAtOnceThenOnceASecondUntilThePlayerHasEnded) {
  processes.alive_answers = 3;
  Run("job");
  EXPECT_EQ(processes.asked, (std::vector<qm::ProcessId>{4242, 4242, 4242, 4242}));
  EXPECT_EQ(sleeps, (std::vector<unsigned>{1000, 1000, 1000}));
}

TEST_F(OneArgumentMode, APlayerThatDidNotStartEndsTheModeAtOnce) {
  processes.next_id = 0;
  EXPECT_EQ(Run("job"), qm::OneArgumentOutcome::kPlayerEnded);
  EXPECT_EQ(processes.asked, std::vector<qm::ProcessId>{0});
  EXPECT_TRUE(sleeps.empty());
}

TEST_F(OneArgumentMode, RefusesWithoutStartingWhatWouldNotFit) {
  struct Refusal {
    const char* why;
    std::string job;
    const char* data_directory;
    const char* player;
  };
  const Refusal refusals[] = {
      {"name of 512 bytes", std::string(512, 'j'), "D:\\Data", kPlayer},
      {"paths over 259 bytes", std::string(259 - 22 + 1, 'j'), "D:\\Data", kPlayer},
      {"no data directory", "job", "", kPlayer},
      {"no player path", "job", "D:\\Data", ""},
  };
  for (const Refusal& refusal : refusals) {
    g_data_directory = refusal.data_directory;
    EXPECT_EQ(Run(refusal.job.c_str(), refusal.player), qm::OneArgumentOutcome::kRefused)
        << refusal.why;
  }
  EXPECT_TRUE(processes.started.empty());
  EXPECT_TRUE(processes.asked.empty());
}

TEST_F(OneArgumentMode, AJobNameThatJustFitsStillStarts) {
  // "D:\Data\" + name + "\KeyRepeat.def" is 259 bytes.
  const std::string job(259 - 22, 'j');
  EXPECT_EQ(Run(job.c_str()), qm::OneArgumentOutcome::kPlayerEnded);
  ASSERT_EQ(processes.started.size(), 1u);
}

}  // namespace
