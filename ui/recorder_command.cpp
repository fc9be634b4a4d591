#include "ui/recorder_command.h"

#include "app/bounded_format.h"

namespace qm {

bool ComposeRecorderCommandLine(char (&out)[kCommandLineBufferSize], const char* recorder_path,
                                const char* job_name) {
  if (job_name == nullptr) return ComposeBounded(out, "\"%s\"", recorder_path);
  return ComposeBounded(out, "\"%s\" \"%s\"", recorder_path, job_name);
}

}  // namespace qm
