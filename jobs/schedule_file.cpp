#include "jobs/schedule_file.h"

#include <cstring>
#include <string>
#include <unordered_map>

#include "app/buffer_limits.h"
#include "jobs/csv_field.h"
#include "jobs/row_state.h"

namespace qm {
namespace {

// A name with a comma would otherwise come back as a shorter name, and one
// with a leading space would lose it; the reader turns the quoted form back
// into the original text.
bool NeedsQuotes(const char* field) {
  const std::size_t length = std::strlen(field);
  if (length == 0) return false;
  return std::strpbrk(field, ",\"") != nullptr || field[0] == ' ' || field[length - 1] == ' ';
}

bool WriteText(ScheduleTempFile& file, const char* text, std::size_t length) {
  return length == 0 || file.Write(text, length);
}

bool WriteField(ScheduleTempFile& file, const char* field) {
  if (!NeedsQuotes(field)) return WriteText(file, field, std::strlen(field));
  if (!file.Write("\"", 1)) return false;
  for (const char* quote; (quote = std::strchr(field, '"')) != nullptr; field = quote + 1) {
    // The quote itself, then its double.
    if (!WriteText(file, field, quote - field + 1) || !file.Write("\"", 1)) return false;
  }
  return WriteText(file, field, std::strlen(field)) && file.Write("\"", 1);
}

bool WriteRows(const JobTable& table, ScheduleTempFile& file) {
  char name[kCellBufferSize];
  char start_time[kCellBufferSize];
  char state[kCellBufferSize];
  g_nRowCount = table.RowCount();
  for (int row = 0; row < g_nRowCount; ++row) {
    table.GetItemText(row, kColumnName, name, sizeof name);
    if (name[0] == '\0') continue;
    table.GetItemText(row, kColumnStartTime, start_time, sizeof start_time);
    if (start_time[0] == '\0') continue;
    table.GetItemText(row, kColumnState, state, sizeof state);
    if (!WriteField(file, name) || !file.Write(",", 1) || !WriteField(file, start_time) ||
        !file.Write(",", 1) || !WriteField(file, state) || !file.Write("\r\n", 2)) {
      return false;
    }
  }
  return true;
}

}  // namespace

void SaveSchedule(const JobTable& table, const char* schedule_path, ScheduleFiles& files) {
  if (schedule_path == nullptr || schedule_path[0] == '\0') return;
  std::unique_ptr<ScheduleTempFile> file = files.CreateTemporary(schedule_path);
  if (!file) return;
  // The old file is touched only by the one-step replace, so a failure or a
  // crash at any point leaves either the old or the whole new content.
  const bool written = WriteRows(table, *file) && file->Flush();
  const bool closed = file->Close();
  if (written && closed && file->Replace()) return;
  file->Remove();
}

void LoadSchedule(JobTable& table, const char* schedule_path, ScheduleFiles& files) {
  if (schedule_path == nullptr || schedule_path[0] == '\0') return;
  std::unique_ptr<ScheduleLineReader> reader = files.OpenForReading(schedule_path);
  if (!reader) return;

  // The names do not change during the load, so one index serves every line;
  // the first row with a name is the one a line applies to.
  std::unordered_map<std::string, int> rows_by_name;
  char cell[kCellBufferSize];
  g_nRowCount = table.RowCount();
  rows_by_name.reserve(static_cast<std::size_t>(g_nRowCount));
  for (int row = 0; row < g_nRowCount; ++row) {
    table.GetItemText(row, kColumnName, cell, sizeof cell);
    if (cell[0] != '\0') rows_by_name.emplace(cell, row);
  }

  char line[kScheduleLineBufferSize];
  char name[kCellBufferSize];
  char start_time[kCellBufferSize];
  char state[kCellBufferSize];
  while (reader->ReadLine(line, sizeof line)) {
    // A read that starts with a zero byte (a file zero-filled by a crash, or
    // saved as UTF-16) names no job; it must not reach the field reader,
    // which ends the program for an empty line.
    if (line[0] == '\0') continue;
    GetCsvItem(1, line, name, sizeof name);
    GetCsvItem(2, line, start_time, sizeof start_time);
    GetCsvItem(3, line, state, sizeof state);
    if (name[0] == '\0') continue;
    g_nRowCount = table.RowCount();
    const auto match = rows_by_name.find(name);
    if (match == rows_by_name.end() || match->second >= g_nRowCount) continue;
    table.SetItemText(match->second, kColumnStartTime, start_time);
    table.SetItemText(match->second, kColumnState, state);
  }
}

}  // namespace qm
