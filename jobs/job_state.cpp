#include "jobs/job_state.h"

#include <cstring>

namespace qm {

bool IsArmedState(const char* state) {
  return state != nullptr && std::strcmp(state, kArmedState) == 0;
}

}  // namespace qm
