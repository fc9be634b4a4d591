#include "ui/clock_text.h"

#include "app/bounded_format.h"

namespace qm {
namespace {
const char* const kWeekdays[] = {"日", "月", "火", "水", "木", "金", "土"};
// Aims past the boundary so that a timer that fires a little early still
// lands in the new second.
constexpr int kPastBoundaryMs = 20;
}  // namespace

bool FormatClockText(const LocalTime& local, char* out, std::size_t size) {
  if (local.weekday < 0 || local.weekday > 6) {
    if (size > 0) out[0] = '\0';
    return false;
  }
  return ComposeBounded(out, size, " %04d/%02d/%02d %s %02d:%02d:%02d", local.year, local.month,
                        local.day, kWeekdays[local.weekday], local.hour, local.minute,
                        local.second);
}

unsigned MsToNextWholeSecond(int millisecond) {
  if (millisecond < 0) millisecond = 0;
  if (millisecond > 999) millisecond = 999;
  return static_cast<unsigned>(1000 - millisecond + kPastBoundaryMs);
}

}  // namespace qm
