#include <gtest/gtest.h>

#include "controls/row_colour.h"

namespace {

const qm::RowColours kColours;

struct RowCase {
  const char* what;
  int row;
  int current_row;
  const char* state;
  std::uint32_t expected;
};

TEST(RowColour, FirstRuleThatHoldsWins) {
  const RowCase cases[] = {
      {"current row wins over armed", 2, 2, "開始", 0x00FFC864},
      {"current row, not armed", 3, 3, "停止", 0x00FFC864},
      {"armed at an even index", 0, -1, "開始", 0x00C8C8FF},
      {"armed at an odd index, another row current", 1, 4, "開始", 0x00C8C8FF},
      {"disarmed even row takes its parity", 0, -1, "停止", 0x00FDF3E8},
      {"empty state, odd row", 1, -1, "", 0x00FFFFFF},
      {"third row pale blue again", 2, -1, "", 0x00FDF3E8},
      {"trailing space is not armed", 4, -1, "開始 ", 0x00FDF3E8},
      {"trailing byte is not armed", 5, -1, "開始x", 0x00FFFFFF},
      {"a prefix of the armed text is not armed", 5, -1, "開", 0x00FFFFFF},
      {"no current row never matches row -1", -1, -1, "", 0x00FFFFFF},
  };
  for (const RowCase& c : cases) {
    EXPECT_EQ(qm::ChooseRowColour(c.row, c.current_row, c.state, kColours), c.expected) << c.what;
  }
}

}  // namespace
