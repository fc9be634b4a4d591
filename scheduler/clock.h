#pragma once
#include <ctime>

namespace qm {

// The local time of one calendar time, as localtime gives it.
struct LocalTime {
  int year = 0;     // e.g. 2024
  int month = 0;    // 1 to 12
  int day = 0;      // 1 to 31
  int weekday = 0;  // 0 Sunday to 6 Saturday
  int hour = 0;     // 0 to 23
  int minute = 0;   // 0 to 59
  int second = 0;   // 0 to 60
};

// The fields of a broken-down C library time.
LocalTime LocalTimeFromTm(const std::tm& parts);

// The scheduler's only way to the time of day, so tests can set it.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual std::time_t Now() const = 0;
  // False when the conversion fails.
  virtual bool ToLocal(std::time_t t, LocalTime& local) const = 0;
};

// The system's clock and time zone.
class SystemClock : public Clock {
 public:
  std::time_t Now() const override;
  bool ToLocal(std::time_t t, LocalTime& local) const override;
};

}  // namespace qm
