#pragma once

namespace qm {

// Item-state bits of an owner-draw request, as the platform reports them.
constexpr unsigned kItemSelected = 0x0001;
constexpr unsigned kItemDisabled = 0x0004;
constexpr unsigned kItemFocus = 0x0010;

// What the coloured button paints for one item state beyond the steps that
// always run (background, caption, raised edge). The focus decides first:
// a focused button never gets the disabled caption, and the sunken edge
// shows only while a focused button is pressed.
struct ButtonDrawPlan {
  bool sunken_edge = false;
  bool focus_rectangle = false;
  bool disabled_caption = false;
};

ButtonDrawPlan PlanButtonDrawing(unsigned item_state);

// The focus rectangle lies this many pixels inside the button's edge.
constexpr int kFocusInset = 4;

}  // namespace qm
