#pragma once
#include <string>

#include "jobs/job_table.h"
#include "scheduler/animation.h"
#include "scheduler/clock.h"

namespace qm {

// Timer 888: first to the next whole minute, then once a minute.
constexpr unsigned kRefreshIntervalMs = 60000;
unsigned FirstRefreshIntervalMs(int tm_sec);

// A number as atol reads it: white space, an optional sign, then digits up
// to the first other byte; no digits give 0. Clamped far beyond any
// meaningful hour or minute instead of overflowing.
long long ReadNumber(const char* text);

// The minute of the day a start-time cell names: the number at its start
// times 60 plus the number after its first ':', each read as atol reads it
// (no range check; numbers beyond any meaning are clamped, so huge hours
// from a hand-edited file stay defined). Without a ':' the minute part is 0.
long long StartMinutes(const char* start_time_cell);

// Minutes from now_minutes (a minute of the day) until start_minutes, one day
// later when now is past the start; the start minute itself gives 0.
long long MinutesUntil(long long start_minutes, long long now_minutes);

// Hours and minutes of a minute count, "%02d:%02d"-like, for any value.
std::string RemainingTimeText(long long minutes);

// Writes the remaining time of every armed job that has a start time into
// its remaining-time cell and leaves the animation playing when there is one.
void UpdateRemainingTimes(JobTable& table, Animation& animation, const Clock& clock);

}  // namespace qm
