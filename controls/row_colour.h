#pragma once
#include <cstdint>

namespace qm {

// Background colours of the job list's rows, 0x00BBGGRR.
struct RowColours {
  std::uint32_t odd = 0x00FFFFFF;       // white
  std::uint32_t even = 0x00FDF3E8;      // pale blue
  std::uint32_t armed = 0x00C8C8FF;     // pale red
  std::uint32_t selected = 0x00FFC864;  // sky blue
};

// The background of one row; the first rule that holds wins: the current
// row, an armed job (state exactly "開始"), then the row's parity.
std::uint32_t ChooseRowColour(int row, int current_row, const char* state_text,
                              const RowColours& colours);

}  // namespace qm
