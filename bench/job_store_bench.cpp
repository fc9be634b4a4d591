// Building the job table as the dialog does it (scan, schedule load,
// remaining-time pass) for many job folders, each with a schedule line.
// Run: build/native/bench/job_store_bench
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "jobs/folder_scan.h"
#include "jobs/memory_job_table.h"
#include "jobs/memory_schedule_files.h"
#include "jobs/schedule_file.h"
#include "scheduler/remaining_time.h"

namespace {

constexpr char kDataDirectory[] = "C:\\ProgramData\\Tallowgate\\Quillmere";
constexpr char kSchedulePath[] = "C:\\ProgramData\\Tallowgate\\Quillmere\\ExecTime.def";

class ListedEntries : public qm::DirectoryLister {
 public:
  explicit ListedEntries(std::vector<qm::DirectoryEntry> entries) : entries_(std::move(entries)) {}
  bool Open(const char*) override {
    next_ = 0;
    return true;
  }
  bool Next(qm::DirectoryEntry& entry) override {
    if (next_ == entries_.size()) return false;
    entry = entries_[next_++];
    return true;
  }
  void Close() override {}

 private:
  std::vector<qm::DirectoryEntry> entries_;
  std::size_t next_ = 0;
};

class SilentAnimation : public qm::Animation {
 public:
  void Play() override { benchmark::DoNotOptimize(++plays); }
  void Stop() override {}
  long long plays = 0;
};

class NineOClock : public qm::Clock {
 public:
  std::time_t Now() const override { return 0; }
  bool ToLocal(std::time_t, qm::LocalTime& local) const override {
    local.hour = 9;
    return true;
  }
};

// Lines in table order, as the system writes the file, or in reverse order,
// as a file edited by hand might have them, so each line names a row far
// from the one before.
void BuildJobTable(benchmark::State& state, bool reversed) {
  const int jobs = static_cast<int>(state.range(0));
  std::vector<qm::DirectoryEntry> entries = {{".", true}, {"..", true}, {"ExecTime.def", false}};
  qm::MemoryScheduleFiles files;
  std::string& schedule = files.files[kSchedulePath];
  for (int i = 0; i < jobs; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "job%05d", i);
    entries.push_back({name, true});
    char line[64];
    std::snprintf(line, sizeof line, "job%05d,%02d:%02d,開始\r\n", reversed ? jobs - 1 - i : i,
                  i / 60 % 24, i % 60);
    schedule += line;
  }
  ListedEntries lister(entries);
  NineOClock clock;
  SilentAnimation animation;
  qm::MemoryJobTable table;
  for (auto _ : state) {
    qm::ScanJobFolders(kDataDirectory, table, lister);
    qm::LoadSchedule(table, kSchedulePath, files);
    qm::UpdateRemainingTimes(table, animation, clock);
    benchmark::DoNotOptimize(table.RowCount());
  }
  state.SetComplexityN(jobs);
}

BENCHMARK_CAPTURE(BuildJobTable, lines_in_table_order, false)
    ->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK_CAPTURE(BuildJobTable, lines_reversed, true)
    ->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Complexity();

}  // namespace

BENCHMARK_MAIN();
