#pragma once
#include <gtest/gtest.h>

#include <ctime>
#include <map>
#include <string>
#include <vector>

#include "jobs/memory_job_table.h"
#include "scheduler/clock.h"
#include "scheduler/companion_watch.h"
#include "scheduler/job_run.h"
#include "scheduler/minute_check.h"
#include "tests/native/scheduler_fake_processes.h"

namespace qm_test {

constexpr long long kDay = 1714521600;  // 2024-05-01 00:00:00, local time = UTC here

inline std::time_t At(int hour, int minute, int second = 0) {
  return static_cast<std::time_t>(kDay + hour * 3600 + minute * 60 + second);
}

class SteppedClock : public qm::Clock {
 public:
  std::time_t now = kDay;
  std::time_t Now() const override { return now; }
  bool ToLocal(std::time_t t, qm::LocalTime& local) const override {
    std::tm parts{};
    if (gmtime_r(&t, &parts) == nullptr) return false;
    local = qm::LocalTimeFromTm(parts);
    return true;
  }
};

// The main dialog as the scheduler sees it: a table, a window shown or
// hidden, warnings the "user" answers after a scripted time, players that
// end a set time after they start, and a clock that ticks once a second.
class MinuteCheckTest : public ::testing::Test, public qm::MinuteCheckHost {
 protected:
  struct Warning {
    std::string job;
    std::time_t opened;
  };
  struct Run {
    std::string job;
    std::time_t started;
    std::string command_line;
  };
  struct Answer {
    int seconds = 55;  // the warning's own timeout
    bool stop = false;
  };

  void AddJob(const char* name, const char* start, const char* state) {
    table_.AppendRow(std::to_string(table_.RowCount() + 1).c_str());
    const int row = table_.RowCount() - 1;
    table_.SetItemText(row, qm::kColumnName, name);
    table_.SetItemText(row, qm::kColumnStartTime, start);
    table_.SetItemText(row, qm::kColumnState, state);
  }
  std::string State(int row) const {
    char text[512];
    table_.GetItemText(row, qm::kColumnState, text, sizeof text);
    return text;
  }

  // A fresh table and scheduler for the next case of a table.
  void Reset() {
    table_.DeleteAllRows();
    warnings_.clear();
    runs_.clear();
    checker_ = qm::MinuteChecker(context());
  }

  // Ticks once a second from `from` up to and including `to`.
  void RunClock(std::time_t from, std::time_t to) {
    clock_.now = from - 1;
    while (clock_.now < to) Second();
  }

  // qm::MinuteCheckHost
  void ShowMainDialog(bool show) override { shown_ = show; }
  bool RunWarning(const char* job_name) override {
    warnings_.push_back({job_name, clock_.now});
    EXPECT_FALSE(shown_) << "warning over the main dialog";
    const Answer answer = answers_.count(job_name) ? answers_[job_name] : Answer{};
    // The dialog's modal loop: the main dialog's timers go on inside it.
    for (int i = 0; i < answer.seconds; ++i) Second();
    return answer.stop;
  }
  void DisarmFromWarning(int row) override {
    disarmed_rows_.push_back(row);
    table_.SetItemText(row, qm::kColumnRemaining, "");
    table_.SetItemText(row, qm::kColumnState, "停止");
    ++saves_;
  }
  void RunJob(int row) override {
    const std::size_t before = processes_.started.size();
    if (!qm::StartJobRun(table_, row, "C:\\Q\\ReplayRunner.exe", "C:\\Data", processes_, watch_)) {
      return;
    }
    runs_.push_back({qm::JobNameOf(table_, row), clock_.now, processes_.started[before]});
    player_ends_[watch_.player_id] = clock_.now + player_seconds_;
    shown_ = false;
    polling_ = true;
  }

  std::vector<std::string> RunJobs() const {
    std::vector<std::string> jobs;
    for (const Run& run : runs_) jobs.push_back(run.job);
    return jobs;
  }

  SteppedClock clock_;
  qm::MemoryJobTable table_;
  FakeProcesses processes_;
  qm::CompanionWatch watch_;
  qm::MinuteCheckContext context() {
    return {&table_, &clock_, &processes_, &watch_, "C:\\Program Files\\Q\\WakeKeeper.exe", this};
  }
  qm::MinuteChecker checker_{context()};

  bool shown_ = true;
  bool polling_ = false;
  int player_seconds_ = 20;
  int saves_ = 0;
  std::map<std::string, Answer> answers_;
  std::map<qm::ProcessId, std::time_t> player_ends_;
  std::vector<Warning> warnings_;
  std::vector<Run> runs_;
  std::vector<int> disarmed_rows_;

 private:
  void Second() {
    ++clock_.now;
    for (const auto& end : player_ends_) {
      if (end.second <= clock_.now) processes_.End(end.first);
    }
    if (polling_) {
      const qm::PlayerPollStep step = qm::PollPlayers(watch_, processes_);
      if (step != qm::PlayerPollStep::kContinue) polling_ = false;
      if (step == qm::PlayerPollStep::kShowDialog) shown_ = true;
    }
    checker_.OnTick(clock_.now);
  }
};

}  // namespace qm_test
