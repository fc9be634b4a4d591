#include "ui/exit_decision.h"

namespace qm {

ExitOutcome DecideExit(bool escape_held, bool scheduling_active,
                       const std::function<bool()>& confirm) {
  if (escape_held) return ExitOutcome::kStay;
  if (scheduling_active && !confirm()) return ExitOutcome::kStay;
  return ExitOutcome::kSaveAndEnd;
}

}  // namespace qm
