#include "controls/row_colour.h"

#include "jobs/job_state.h"

namespace qm {

std::uint32_t ChooseRowColour(int row, int current_row, const char* state_text,
                              const RowColours& colours) {
  if (current_row != -1 && current_row == row) return colours.selected;
  if (IsArmedState(state_text)) return colours.armed;
  return row % 2 == 0 ? colours.even : colours.odd;
}

}  // namespace qm
