#pragma once
#include <windows.h>

#include <vector>

#include "app/process_control.h"

namespace qm {

// Starts companions hidden and without a console, and keeps every started
// process's handles open for as long as this object lives, so that the
// system does not give a recorded id to another process.
class Win32ProcessControl : public ProcessControl {
 public:
  Win32ProcessControl() = default;
  ~Win32ProcessControl() override;
  Win32ProcessControl(const Win32ProcessControl&) = delete;
  Win32ProcessControl& operator=(const Win32ProcessControl&) = delete;

  ProcessId StartProgram(const char* command_line) override;
  bool IsProcessAlive(ProcessId id) override;
  void KillProcess(ProcessId id) override;

 private:
  std::vector<HANDLE> handles_;
};

// The one instance the program uses; it lives until the program ends.
ProcessControl& SystemProcesses();

}  // namespace qm
