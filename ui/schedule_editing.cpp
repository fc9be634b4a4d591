#include "ui/schedule_editing.h"

#include <cstdio>
#include <cstring>

#include "app/path_rules.h"
#include "scheduler/remaining_time.h"

namespace qm {

namespace {
bool IsForbiddenInName(unsigned char byte) {
  return byte != '\0' && std::strchr("\\/:*?\"<>|", byte) != nullptr;
}

std::string TwoDigits(long long value) {
  char text[32];
  std::snprintf(text, sizeof text, "%02lld", value);
  return text;
}
}  // namespace

void SanitiseJobName(char* name) {
  // One walk by characters: a lead byte carries its second byte with it, so
  // a second byte is never looked at on its own.
  std::size_t read = 0;
  std::size_t write = 0;
  while (name[read] != '\0') {
    const unsigned char byte = static_cast<unsigned char>(name[read]);
    if (IsLeadByte(byte) && name[read + 1] != '\0') {
      name[write++] = name[read++];
      name[write++] = name[read++];
    } else if (IsForbiddenInName(byte)) {
      ++read;
    } else {
      name[write++] = name[read++];
    }
  }
  // Neither a space nor a dot can be a second byte.
  while (write > 0 && (name[write - 1] == ' ' || name[write - 1] == '.')) --write;
  name[write] = '\0';
}

TimeFields TimeFieldsFromCell(const char* start_time_cell) {
  const char* colon = std::strchr(start_time_cell, ':');
  if (colon == nullptr) return {};
  return {TwoDigits(ReadNumber(start_time_cell)), TwoDigits(ReadNumber(colon + 1))};
}

StartTimeEdit EditFromTimeFields(const char* hour_text, const char* minute_text) {
  StartTimeEdit edit;
  const long long minute = ReadNumber(minute_text);
  edit.empty_minute_field = minute > 59;
  const bool minute_empty = edit.empty_minute_field || minute_text[0] == '\0';
  if (hour_text[0] != '\0' && !minute_empty) {
    edit.write_start_time = true;
    edit.start_time = TwoDigits(ReadNumber(hour_text)) + ":" + TwoDigits(minute);
  }
  return edit;
}

}  // namespace qm
