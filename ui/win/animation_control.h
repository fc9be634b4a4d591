#pragma once
#include "framework/simple_controls.h"
#include "scheduler/animation.h"

namespace qm {

// The main dialog's animation control as the remaining-time pass drives it.
class AnimationControl : public Animation {
 public:
  explicit AnimationControl(CAnimateCtrl& control) : control_(control) {}
  void Play() override;
  void Stop() override;

 private:
  CAnimateCtrl& control_;
};

}  // namespace qm
