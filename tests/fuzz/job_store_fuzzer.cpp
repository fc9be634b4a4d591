// Arbitrary bytes as the schedule file and as lines for the field reader.
// Crashes, sanitizer reports and broken properties all end the run.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "jobs/csv_field.h"
#include "jobs/memory_job_table.h"
#include "jobs/memory_schedule_files.h"
#include "jobs/schedule_file.h"
#include "scheduler/remaining_time.h"

namespace {

constexpr char kPath[] = "C:\\data\\ExecTime.def";

void Require(bool condition) {
  if (!condition) std::abort();
}

class NoAnimation : public qm::Animation {
 public:
  void Play() override {}
  void Stop() override {}
};

class FixedClock : public qm::Clock {
 public:
  std::time_t Now() const override { return 0; }
  bool ToLocal(std::time_t, qm::LocalTime& local) const override {
    local.hour = 23;
    local.minute = 59;
    return true;
  }
};

qm::MemoryJobTable SmallTable() {
  qm::MemoryJobTable table;
  const char* names[] = {"job1", "a,b", " lead", "q\"t", "a", "\x95\x5C", "x"};
  for (const char* name : names) {
    const int row = table.RowCount();
    table.AppendRow(std::to_string(row + 1).c_str());
    table.SetItemText(row, qm::kColumnName, name);
  }
  return table;
}

std::string CellOf(const qm::JobTable& table, int row, int column) {
  char text[512];
  table.GetItemText(row, column, text, sizeof text);
  return text;
}

// What one load applied must come back after a save and a second load,
// unless a written line is too long to be read in one piece.
void ScheduleSurvivesARoundTrip(const std::string& bytes) {
  qm::MemoryScheduleFiles files;
  files.files[kPath] = bytes;
  qm::MemoryJobTable loaded = SmallTable();
  qm::LoadSchedule(loaded, kPath, files);
  NoAnimation animation;
  qm::UpdateRemainingTimes(loaded, animation, FixedClock());

  qm::SaveSchedule(loaded, kPath, files);
  Require(files.files.size() == 1);
  const std::string& saved = files.files[kPath];
  std::size_t longest = 0;
  for (std::size_t begin = 0; begin < saved.size();) {
    const std::size_t end = saved.find('\n', begin);
    const std::size_t stop = end == std::string::npos ? saved.size() : end + 1;
    if (stop - begin > longest) longest = stop - begin;
    begin = stop;
  }
  if (longest > 1023) return;

  qm::MemoryJobTable reloaded = SmallTable();
  qm::LoadSchedule(reloaded, kPath, files);
  for (int row = 0; row < loaded.RowCount(); ++row) {
    if (CellOf(loaded, row, qm::kColumnStartTime).empty()) continue;
    for (int column : {qm::kColumnStartTime, qm::kColumnState}) {
      Require(CellOf(reloaded, row, column) == CellOf(loaded, row, column));
    }
  }
}

void FieldsStayInTheirBuffers(const std::string& bytes) {
  for (std::size_t begin = 0; begin < bytes.size();) {
    std::size_t end = bytes.find_first_of(std::string("\n\0", 2), begin);
    if (end == std::string::npos) end = bytes.size();
    const std::string line = bytes.substr(begin, end - begin + (end < bytes.size() && bytes[end] == '\n'));
    begin = end + 1;
    if (line.empty() || line[0] == '\0') continue;
    for (std::size_t size : {1u, 7u, 512u}) {
      for (int index = -1; index <= 4; ++index) {
        // Exactly the bytes needed, so AddressSanitizer sees any overrun.
        char* item = new char[size];
        const bool found = qm::GetCsvItem(index, line.c_str(), item, size);
        Require(std::strlen(item) < size);
        Require(found || item[0] == '\0');
        delete[] item;
      }
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  ScheduleSurvivesARoundTrip(bytes);
  FieldsStayInTheirBuffers(bytes);
  return 0;
}
