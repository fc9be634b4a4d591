#pragma once
#include <cstddef>

#include "scheduler/clock.h"

namespace qm {

// The status bar's clock text, " %Y/%m/%d %a %H:%M:%S" with the Japanese
// weekday (日 to 土) from our own table, so it does not hang on the C
// library's locale support. False, with the empty text, when it does not fit.
bool FormatClockText(const LocalTime& local, char* out, std::size_t size);

// Milliseconds from a tick at `millisecond` past a whole second until a
// little after the next whole second, so that successive ticks see every
// second, second 0 included.
unsigned MsToNextWholeSecond(int millisecond);

}  // namespace qm
