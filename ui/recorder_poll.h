#pragma once
#include "app/process_control.h"
#include "scheduler/companion_watch.h"

namespace qm {

// One tick of the recorder poll (timer 666).
struct RecorderPollDecision {
  bool wait_again;  // poll again in a second; nothing else happens now
  bool show;        // show the dialog before the table is rebuilt
};

// Waits while the recorder (its own id slot) runs, and while a minute check
// is under way, since a rebuild inside a warning's loop would move the rows
// that check is working on. Once the recorder has gone the table is rebuilt;
// the dialog comes back only when no other watched companion or warning
// keeps it hidden, and then whoever does shows it at its end.
RecorderPollDecision DecideRecorderPoll(CompanionWatch& watch, ProcessControl& processes);

}  // namespace qm
