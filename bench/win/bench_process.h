#pragma once
#include <windows.h>

namespace qm_bench {

// Ends a program the benchmark started and lets go of its handles.
inline void EndStartedProcess(PROCESS_INFORMATION& process) {
  TerminateProcess(process.hProcess, 0);
  WaitForSingleObject(process.hProcess, 10000);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

}  // namespace qm_bench
