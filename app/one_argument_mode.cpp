#include "app/one_argument_mode.h"

#include <cstring>

#include "app/bounded_format.h"
#include "app/buffer_limits.h"
#include "app/path_composition.h"

namespace qm {

OneArgumentOutcome RunOneArgumentMode(const char* job_name, const OneArgumentModeContext& context) {
  char job[kCellBufferSize];
  if (!ComposeBounded(job, "%s", job_name)) return OneArgumentOutcome::kRefused;

  char record_file[kPathBufferSize];
  char repeat_file[kPathBufferSize];
  char command_line[kCommandLineBufferSize];
  if (context.player_path == nullptr || context.player_path[0] == '\0' ||
      !ComposeJobFilePath(record_file, context.data_directory(), job, kRecordFileName) ||
      !ComposeJobFilePath(repeat_file, context.data_directory(), job, kRepeatFileName) ||
      !ComposeBounded(command_line, "\"%s\" \"%s\" \"%s\"", context.player_path, record_file,
                      repeat_file)) {
    return OneArgumentOutcome::kRefused;
  }

  const ProcessId player = context.processes->StartProgram(command_line);
  while (context.processes->IsProcessAlive(player)) context.sleep(kPlayerPollMilliseconds);
  return OneArgumentOutcome::kPlayerEnded;
}

}  // namespace qm
