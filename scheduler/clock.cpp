#include "scheduler/clock.h"

namespace qm {

LocalTime LocalTimeFromTm(const std::tm& parts) {
  LocalTime local;
  local.year = parts.tm_year + 1900;
  local.month = parts.tm_mon + 1;
  local.day = parts.tm_mday;
  local.weekday = parts.tm_wday;
  local.hour = parts.tm_hour;
  local.minute = parts.tm_min;
  local.second = parts.tm_sec;
  return local;
}

std::time_t SystemClock::Now() const { return std::time(nullptr); }

bool SystemClock::ToLocal(std::time_t t, LocalTime& local) const {
  std::tm parts{};
#if defined(_WIN32)
  if (localtime_s(&parts, &t) != 0) return false;
#else
  if (localtime_r(&t, &parts) == nullptr) return false;
#endif
  local = LocalTimeFromTm(parts);
  return true;
}

}  // namespace qm
