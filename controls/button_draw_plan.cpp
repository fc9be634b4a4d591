#include "controls/button_draw_plan.h"

namespace qm {

ButtonDrawPlan PlanButtonDrawing(unsigned item_state) {
  ButtonDrawPlan plan;
  if (item_state & kItemFocus) {
    plan.sunken_edge = (item_state & kItemSelected) != 0;
    plan.focus_rectangle = true;
  } else {
    plan.disabled_caption = (item_state & kItemDisabled) != 0;
  }
  return plan;
}

}  // namespace qm
