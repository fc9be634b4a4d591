#pragma once
#include <set>
#include <string>
#include <vector>

#include "app/process_control.h"

namespace qm_test {

// Processes that live until the test ends them; ids count up from 100.
class FakeProcesses : public qm::ProcessControl {
 public:
  qm::ProcessId next_id = 100;
  bool fail_starts = false;
  std::vector<std::string> started;
  std::vector<qm::ProcessId> killed;
  std::set<qm::ProcessId> alive;

  qm::ProcessId StartProgram(const char* command_line) override {
    started.push_back(command_line);
    if (fail_starts) return 0;
    alive.insert(next_id);
    return next_id++;
  }
  bool IsProcessAlive(qm::ProcessId id) override { return alive.count(id) != 0; }
  void KillProcess(qm::ProcessId id) override {
    killed.push_back(id);
    alive.erase(id);
  }
  void End(qm::ProcessId id) { alive.erase(id); }
};

}  // namespace qm_test
