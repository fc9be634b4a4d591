#pragma once
#include <string>

namespace qm {

// Removes from a job name, in place, the nine characters no folder name may
// hold (\ / : * ? " < > |) where they are characters of their own, never the
// second byte of a double-byte character (ソ keeps its 0x5C, ポ its 0x7C),
// and then the trailing spaces and dots, which the file system would drop
// from the folder's name while the table kept them.
void SanitiseJobName(char* name);

// The hour and minute fields for a start-time cell: the numbers before and
// after its first ':', "%02d" each; both empty when it has no ':'.
struct TimeFields {
  std::string hour;
  std::string minute;
};
TimeFields TimeFieldsFromCell(const char* start_time_cell);

// What a change of the hour or minute field does to the current row.
struct StartTimeEdit {
  bool empty_minute_field = false;  // a minute over 59 is taken as empty
  bool write_start_time = false;    // else columns 2 to 4 are emptied
  std::string start_time;           // "%02d:%02d" when written
};
StartTimeEdit EditFromTimeFields(const char* hour_text, const char* minute_text);

}  // namespace qm
