#pragma once
#include <cstdint>

namespace qm {

// 32-bit process id; 0 names no process (nothing started, or the start failed).
using ProcessId = std::uint32_t;

// How the core starts, watches and ends companion processes. The Win32
// implementation keeps every started process's handles open until the
// program ends, so a recorded id keeps naming the process it was given for.
class ProcessControl {
 public:
  virtual ~ProcessControl() = default;
  // Starts a multibyte (code page 932) command line; 0 when nothing started.
  virtual ProcessId StartProgram(const char* command_line) = 0;
  virtual bool IsProcessAlive(ProcessId id) = 0;
  virtual void KillProcess(ProcessId id) = 0;
};

}  // namespace qm
