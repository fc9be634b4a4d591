#pragma once
#include <functional>

namespace qm {

enum class ExitOutcome {
  kStay,        // the dialog stays; nothing is saved
  kSaveAndEnd,  // save the schedule, then end the dialog
};

// The exit command's decision. An Escape key still held down means the
// command came from Escape, which never closes the window. While scheduling
// is active the user is asked first; confirm is called only then and answers
// true for Yes.
ExitOutcome DecideExit(bool escape_held, bool scheduling_active,
                       const std::function<bool()>& confirm);

}  // namespace qm
