#include "scheduler/remaining_time.h"

#include <cstdio>
#include <cstring>

#include "app/buffer_limits.h"
#include "jobs/job_state.h"
#include "jobs/row_state.h"

namespace qm {
namespace {

// Far beyond any hour or minute that means something, and small enough that
// hours * 60 + minutes and the day's 1440 can never overflow.
constexpr long long kNumberLimit = 1000000000000LL;

bool IsAtolSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

}  // namespace

long long ReadNumber(const char* text) {
  while (IsAtolSpace(*text)) ++text;
  bool negative = false;
  if (*text == '+' || *text == '-') negative = *text++ == '-';
  long long value = 0;
  for (; *text >= '0' && *text <= '9'; ++text) {
    value = value * 10 + (*text - '0');
    if (value > kNumberLimit) value = kNumberLimit;
  }
  return negative ? -value : value;
}

unsigned FirstRefreshIntervalMs(int tm_sec) {
  // A leap second (60) fires at once; nothing may wrap to a huge interval.
  if (tm_sec < 0) tm_sec = 0;
  if (tm_sec > 60) tm_sec = 60;
  return kRefreshIntervalMs - static_cast<unsigned>(tm_sec) * 1000u;
}

long long StartMinutes(const char* start_time_cell) {
  const char* colon = std::strchr(start_time_cell, ':');
  const long long minutes = colon != nullptr ? ReadNumber(colon + 1) : 0;
  return ReadNumber(start_time_cell) * 60 + minutes;
}

long long MinutesUntil(long long start_minutes, long long now_minutes) {
  long long d = start_minutes - now_minutes;
  if (now_minutes > start_minutes) d += 1440;
  return d;
}

std::string RemainingTimeText(long long minutes) {
  char text[48];  // two 64-bit numbers with their signs, a colon, the end
  std::snprintf(text, sizeof text, "%02lld:%02lld", minutes / 60, minutes % 60);
  return text;
}

void UpdateRemainingTimes(JobTable& table, Animation& animation, const Clock& clock) {
  LocalTime now;
  // Without the time of day no remaining time can be right; leave them all.
  if (!clock.ToLocal(clock.Now(), now)) return;
  const long long now_minutes = now.hour * 60LL + now.minute;

  animation.Stop();
  char state[kCellBufferSize];
  char start_time[kCellBufferSize];
  g_nRowCount = table.RowCount();
  for (int row = 0; row < g_nRowCount; ++row) {
    table.GetItemText(row, kColumnState, state, sizeof state);
    if (!IsArmedState(state)) continue;
    table.GetItemText(row, kColumnStartTime, start_time, sizeof start_time);
    if (std::strchr(start_time, ':') == nullptr) continue;
    const long long d = MinutesUntil(StartMinutes(start_time), now_minutes);
    table.SetItemText(row, kColumnRemaining, RemainingTimeText(d).c_str());
    animation.Play();
  }
}

}  // namespace qm
