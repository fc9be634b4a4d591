#include <gtest/gtest.h>

#include "controls/button_draw_plan.h"

namespace {

using qm::kItemDisabled;
using qm::kItemFocus;
using qm::kItemSelected;

struct PlanCase {
  const char* what;
  unsigned state;
  bool sunken_edge;
  bool focus_rectangle;
  bool disabled_caption;
};

TEST(ButtonDrawPlan, FocusDecidesBeforeDisabled) {
  const PlanCase cases[] = {
      {"released", 0, false, false, false},
      {"pressed without focus looks released", kItemSelected, false, false, false},
      {"focused", kItemFocus, false, true, false},
      {"pressed with focus", kItemFocus | kItemSelected, true, true, false},
      {"disabled", kItemDisabled, false, false, true},
      {"disabled and pressed", kItemDisabled | kItemSelected, false, false, true},
      {"focused and disabled draws as focused", kItemFocus | kItemDisabled, false, true, false},
      {"every flag", kItemFocus | kItemDisabled | kItemSelected | 0x100, true, true, false},
  };
  for (const PlanCase& c : cases) {
    const qm::ButtonDrawPlan plan = qm::PlanButtonDrawing(c.state);
    EXPECT_EQ(plan.sunken_edge, c.sunken_edge) << c.what;
    EXPECT_EQ(plan.focus_rectangle, c.focus_rectangle) << c.what;
    EXPECT_EQ(plan.disabled_caption, c.disabled_caption) << c.what;
  }
}

}  // namespace
