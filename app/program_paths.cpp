#include "app/program_paths.h"

#include "app/path_composition.h"

namespace qm {

ProgramPaths g_Paths;

void BuildPlayerPath(ProgramPaths& paths, const char* executable_directory) {
  ComposeExecutablePath(paths.player, executable_directory, kPlayerFileName);
}

void BuildInteractivePaths(ProgramPaths& paths, const char* executable_directory,
                           const char* (*data_directory)()) {
  ComposeExecutablePath(paths.wake_keeper, executable_directory, kWakeKeeperFileName);
  ComposeDataPath(paths.schedule_file, data_directory(), kScheduleFileName);
  ComposeExecutablePath(paths.recorder, executable_directory, kRecorderFileName);
}

}  // namespace qm
