#include "ui/recorder_poll.h"

namespace qm {

RecorderPollDecision DecideRecorderPoll(CompanionWatch& watch, ProcessControl& processes) {
  const bool recorder_alive = watch.recorder_id != 0 && processes.IsProcessAlive(watch.recorder_id);
  if (recorder_alive || watch.MinuteCheckInProgress()) {
    return {true, false};
  }
  return {false, watch.MayReshowMainDialog(processes)};
}

}  // namespace qm
