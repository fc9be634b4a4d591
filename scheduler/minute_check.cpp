#include "scheduler/minute_check.h"

#include <cstring>
#include <utility>
#include <vector>

#include "app/bounded_format.h"
#include "app/buffer_limits.h"
#include "jobs/job_state.h"
#include "jobs/row_state.h"
#include "scheduler/remaining_time.h"

namespace qm {

std::string JobNameOf(const JobTable& table, int row) {
  char name[kCellBufferSize] = "";
  table.GetItemText(row, kColumnName, name, sizeof name);
  return name;
}

namespace {
// The row that holds the job now: its own row unless the table was rebuilt
// meanwhile, else the row of that name, else -1.
int RowOfJob(const JobTable& table, int row, const std::string& name) {
  if (JobNameOf(table, row) == name) return row;
  for (int other = 0; other < table.RowCount(); ++other) {
    if (JobNameOf(table, other) == name) return other;
  }
  return -1;
}
}  // namespace

void MinuteChecker::OnTick(std::time_t t) {
  if (decision_.TakeTick(t)) CheckSchedule(t);
}

void MinuteChecker::CheckSchedule(std::time_t t) {
  MinuteCheckScope scope(*context_.watch);
  JobTable& table = *context_.table;
  LocalTime local;
  const bool have_now = context_.clock->ToLocal(t, local);
  const long long now_minutes = static_cast<long long>(local.hour) * 60 + local.minute;

  g_nRowCount = table.RowCount();
  int armed = 0;
  // Due jobs start before any warning of this check opens: a warning's modal
  // 55 seconds would otherwise delay every job in a later row that is due now.
  std::vector<std::pair<int, std::string>> to_warn;
  for (int row = 0; row < g_nRowCount; ++row) {
    char cell[kCellBufferSize] = "";
    table.GetItemText(row, kColumnState, cell, sizeof cell);
    if (!IsArmedState(cell)) continue;
    ++armed;  // counted before any warning, usable start time or not
    table.GetItemText(row, kColumnStartTime, cell, sizeof cell);
    if (std::strchr(cell, ':') == nullptr || !have_now) continue;
    const long long d = MinutesUntil(StartMinutes(cell), now_minutes);
    if (d == 1) {
      to_warn.emplace_back(row, JobNameOf(table, row));
    } else if (d == 0) {
      RunDueJob(row);
    }
  }
  for (const auto& job : to_warn) {
    // A table rebuilt inside an earlier warning may have moved or dropped it.
    const int row = RowOfJob(table, job.first, job.second);
    if (row >= 0) Warn(row, t);
  }
  FollowArmedCount(armed);
}

bool MinuteChecker::StillInMinute(std::time_t t) const {
  return MinuteDecision::MinuteOf(context_.clock->Now()) == MinuteDecision::MinuteOf(t);
}

void MinuteChecker::Warn(int row, std::time_t t) {
  // Once the start minute has begun a warning would be stale; the check of
  // that minute starts the job without one.
  if (!StillInMinute(t)) return;
  const std::string name = JobNameOf(*context_.table, row);
  context_.host->ShowMainDialog(false);
  open_warnings_.push_back({row, name, false});
  ++context_.watch->warnings_open;
  const bool stopped = context_.host->RunWarning(name.c_str());
  --context_.watch->warnings_open;
  // Warnings nest as modal loops do, so this one is the last opened.
  const bool due = open_warnings_.back().due;
  open_warnings_.pop_back();

  const int now_row = RowOfJob(*context_.table, row, name);
  if (now_row >= 0) {
    if (stopped) {
      context_.host->DisarmFromWarning(now_row);
    } else if (due) {
      // Its start minute came while the warning was up: start it now.
      context_.host->RunJob(now_row);
    }
  }
  if (context_.watch->MayReshowMainDialog(*context_.processes)) context_.host->ShowMainDialog(true);
}

void MinuteChecker::RunDueJob(int row) {
  const std::string name = JobNameOf(*context_.table, row);
  for (OpenWarning& warning : open_warnings_) {
    if (warning.row == row && warning.job_name == name) {
      // Never played under its own warning; the warning's end decides.
      warning.due = true;
      return;
    }
  }
  context_.host->RunJob(row);
}

void MinuteChecker::FollowArmedCount(int armed) {
  CompanionWatch& watch = *context_.watch;
  if (armed > 0 && !watch.scheduling_active) {
    watch.scheduling_active = true;
    // Quoted, so an install folder with spaces cannot start another program.
    char command_line[kCommandLineBufferSize] = "";
    const char* path = context_.wake_keeper_path != nullptr ? context_.wake_keeper_path : "";
    watch.wake_keeper_id =
        path[0] != '\0' && ComposeBounded(command_line, "\"%s\"", path)
            ? context_.processes->StartProgram(command_line)
            : 0;
  } else if (armed == 0 && watch.scheduling_active) {
    watch.scheduling_active = false;
    context_.processes->KillProcess(watch.wake_keeper_id);
  }
}

}  // namespace qm
