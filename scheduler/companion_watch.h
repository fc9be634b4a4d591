#pragma once
#include <vector>

#include "app/process_control.h"

namespace qm {

// What the main dialog knows about the companions it started and the minute
// checks under way. The player and the recorder have slots of their own, so
// one poll never ends because the other's process ended.
struct CompanionWatch {
  ProcessId player_id = 0;       // written by RunJob, read by the player poll (timer 555)
  ProcessId recorder_id = 0;     // written by the recorder commands, read by the recorder poll (666)
  ProcessId wake_keeper_id = 0;  // last WakeKeeper start; never reset
  // True from the minute check that started the WakeKeeper for armed jobs
  // until the one that finds none; the exit command asks while it is set.
  bool scheduling_active = false;
  // Minute checks under way; they nest inside the modal loop of a warning.
  int minute_checks_running = 0;
  // Warning dialogs open at this moment.
  int warnings_open = 0;

  // Players started before player_id that were still running when the
  // next one started: two jobs due in one minute play side by side.
  std::vector<ProcessId> earlier_players;

  bool MinuteCheckInProgress() const { return minute_checks_running > 0; }

  // RunJob's record of a player start (id 0 when the start failed).
  void RecordPlayerStart(ProcessId id, ProcessControl& processes);
  // Whether player_id or an earlier player still runs; forgets ended ones.
  bool AnyPlayerAlive(ProcessControl& processes);

  // Whether an automatic re-show (the end of a warning, the end of a
  // companion poll) may bring the main dialog back: not while a warning is
  // still open, whose end shows it, and not while a player or the recorder
  // still runs, whose recorded input would hit the topmost dialog. The poll
  // of the process still running shows it when that one ends. A user's
  // action (the tray icon) shows it regardless.
  bool MayReshowMainDialog(ProcessControl& processes);
};

// The program's one instance, shared by the scheduler and the companion
// commands of the main dialog.
extern CompanionWatch g_CompanionWatch;

// Counts a minute check as running for the lifetime of the object.
class MinuteCheckScope {
 public:
  explicit MinuteCheckScope(CompanionWatch& watch) : watch_(watch) { ++watch_.minute_checks_running; }
  ~MinuteCheckScope() { --watch_.minute_checks_running; }
  MinuteCheckScope(const MinuteCheckScope&) = delete;
  MinuteCheckScope& operator=(const MinuteCheckScope&) = delete;

 private:
  CompanionWatch& watch_;
};

}  // namespace qm
