#include "app/one_argument_mode.h"

#include <cstring>

#include "app/bounded_format.h"
#include "app/buffer_limits.h"
#include "app/path_composition.h"

namespace qm {

OneArgumentOutcome RunOneArgumentMode(const char* job_name, const OneArgumentModeContext& context) {
  char job[kCellBufferSize];
  if (!ComposeBounded(job, "%s", job_name)) return OneArgumentOutcome::kRefused;

  // Each file's path asks for the data directory, record file first.
  const char* record_data_directory = context.data_directory();
  const char* repeat_data_directory = context.data_directory();
  char command_line[kCommandLineBufferSize];
  if (!ComposePlayerCommandLine(command_line, context.player_path, record_data_directory,
                                repeat_data_directory, job)) {
    return OneArgumentOutcome::kRefused;
  }

  const ProcessId player = context.processes->StartProgram(command_line);
  while (context.processes->IsProcessAlive(player)) context.sleep(kPlayerPollMilliseconds);
  return OneArgumentOutcome::kPlayerEnded;
}

}  // namespace qm
