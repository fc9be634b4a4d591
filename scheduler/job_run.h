#pragma once
#include "app/buffer_limits.h"
#include "app/process_control.h"
#include "jobs/job_table.h"
#include "scheduler/companion_watch.h"

namespace qm {

// Starts the player for the job in the row and records its id (0 when the
// start failed) as the player id. True when the player was asked to start,
// so the dialog hides and the player poll begins; false when nothing at all
// happens (negative row, empty name, a refused path).
bool StartJobRun(const JobTable& table, int row, const char* player_path, const char* data_directory,
                 ProcessControl& processes, CompanionWatch& watch);

// One step of the player poll (timer 555), once a second after RunJob.
enum class PlayerPollStep {
  kContinue,    // a player still runs: poll again in a second
  kShowDialog,  // all players ended and nothing else keeps the dialog hidden
  kEnd,         // all players ended; a warning or the recorder's poll shows it
};
PlayerPollStep PollPlayers(CompanionWatch& watch, ProcessControl& processes);

}  // namespace qm
