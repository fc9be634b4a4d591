#include "scheduler/companion_watch.h"

#include <algorithm>

namespace qm {

CompanionWatch g_CompanionWatch;

namespace {
// Id 0 (nothing started, or the start failed) never counts as alive.
bool Alive(ProcessId id, ProcessControl& processes) {
  return id != 0 && processes.IsProcessAlive(id);
}
}  // namespace

void CompanionWatch::RecordPlayerStart(ProcessId id, ProcessControl& processes) {
  if (Alive(player_id, processes)) earlier_players.push_back(player_id);
  player_id = id;
}

bool CompanionWatch::AnyPlayerAlive(ProcessControl& processes) {
  earlier_players.erase(std::remove_if(earlier_players.begin(), earlier_players.end(),
                                       [&](ProcessId id) { return !Alive(id, processes); }),
                        earlier_players.end());
  return !earlier_players.empty() || Alive(player_id, processes);
}

bool CompanionWatch::MayReshowMainDialog(ProcessControl& processes) {
  if (warnings_open > 0) return false;
  if (AnyPlayerAlive(processes)) return false;
  return !Alive(recorder_id, processes);
}

}  // namespace qm
