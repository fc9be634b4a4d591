#pragma once
#include <ctime>
#include <string>
#include <vector>

#include "app/process_control.h"
#include "jobs/job_table.h"
#include "scheduler/clock.h"
#include "scheduler/companion_watch.h"
#include "scheduler/minute_decision.h"

namespace qm {

// What the minute check needs of the main dialog.
class MinuteCheckHost {
 public:
  virtual ~MinuteCheckHost() = default;
  virtual void ShowMainDialog(bool show) = 0;
  // Runs the pre-run warning for the job modally (the main dialog's timers
  // go on inside it); true when the user stopped the run.
  virtual bool RunWarning(const char* job_name) = 0;
  // Selects the row in the list, which makes it the current row and fills
  // the fields from it, then disarms it as the "停止" button does.
  virtual void DisarmFromWarning(int row) = 0;
  virtual void RunJob(int row) = 0;
};

struct MinuteCheckContext {
  JobTable* table = nullptr;
  const Clock* clock = nullptr;
  ProcessControl* processes = nullptr;
  CompanionWatch* watch = nullptr;
  const char* wake_keeper_path = "";
  MinuteCheckHost* host = nullptr;
};

// The scheduler proper: decides which clock ticks run the minute check and
// runs it. One object lives as long as the main dialog, because checks nest
// inside the modal loops of their warnings.
class MinuteChecker {
 public:
  explicit MinuteChecker(const MinuteCheckContext& context) : context_(context) {}

  // The clock tick's part: runs the check when t starts a new minute.
  void OnTick(std::time_t t);
  // Warns about armed jobs due in a minute, runs those due now, and keeps
  // the WakeKeeper running exactly while a job is armed. Every row is judged
  // against t's minute, however long the warnings take.
  void CheckSchedule(std::time_t t);

 private:
  // A warning on screen, and whether a check found its job due meanwhile.
  struct OpenWarning {
    int row;
    std::string job_name;
    bool due;
  };
  void Warn(int row, std::time_t t);
  void RunDueJob(int row);
  void FollowArmedCount(int armed);
  bool StillInMinute(std::time_t t) const;

  MinuteCheckContext context_;
  MinuteDecision decision_;
  std::vector<OpenWarning> open_warnings_;
};

// The job name of a row, as the warning and the run read it.
std::string JobNameOf(const JobTable& table, int row);

}  // namespace qm
