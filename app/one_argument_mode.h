#pragma once
#include <functional>

#include "app/process_control.h"

namespace qm {

enum class OneArgumentOutcome {
  kRefused,      // a name or path that does not fit, or no player path: nothing started
  kPlayerEnded,  // the player was started (or failed to start) and is no longer running
};

struct OneArgumentModeContext {
  const char* player_path;
  const char* (*data_directory)();  // asked once for each of the job's two files
  ProcessControl* processes;
  std::function<void(unsigned milliseconds)> sleep;
};

constexpr unsigned kPlayerPollMilliseconds = 1000;

// Plays the named job through the player and returns once its process has
// ended, asking at once and then once a second.
OneArgumentOutcome RunOneArgumentMode(const char* job_name, const OneArgumentModeContext& context);

}  // namespace qm
