#include "scheduler/minute_decision.h"

namespace qm {

long long MinuteDecision::MinuteOf(std::time_t t) {
  const long long seconds = static_cast<long long>(t);
  // Floor division, so times before the epoch fall into their own minute.
  return seconds >= 0 ? seconds / 60 : -((-seconds + 59) / 60);
}

bool MinuteDecision::TakeTick(std::time_t t) {
  const long long minute = MinuteOf(t);
  if (checked_ && minute == last_minute_) return false;
  checked_ = true;
  last_minute_ = minute;
  return true;
}

}  // namespace qm
