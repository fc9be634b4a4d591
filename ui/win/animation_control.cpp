#include "ui/win/animation_control.h"

namespace qm {

// From frame 0 to the last frame (0xFFFF), repeating without end.
void AnimationControl::Play() { control_.Play(0, 0xFFFF, static_cast<UINT>(-1)); }

void AnimationControl::Stop() { control_.Stop(); }

}  // namespace qm
