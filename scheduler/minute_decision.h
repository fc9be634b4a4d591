#pragma once
#include <ctime>

namespace qm {

// Which ticks run the minute check: the first tick whose calendar minute
// differs from the minute last checked, so every minute that sees a tick is
// checked exactly once, however late its ticks come. A minute that passes
// without any tick (sleep, a blocked thread) is not caught up; a clock set
// back checks a minute again.
class MinuteDecision {
 public:
  // True when the tick at t must run the check for t's minute; it then
  // counts as checked.
  bool TakeTick(std::time_t t);
  static long long MinuteOf(std::time_t t);

 private:
  bool checked_ = false;
  long long last_minute_ = 0;
};

}  // namespace qm
