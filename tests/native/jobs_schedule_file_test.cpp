#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "jobs/memory_schedule_files.h"
#include "jobs/schedule_file.h"
#include "jobs_test_tables.h"

namespace {

using qm::testing::Cell;
using qm::testing::TableWithJobs;

constexpr char kPath[] = "C:\\data\\ExecTime.def";

struct Schedule {
  std::string start_time;
  std::string state;
  bool operator==(const Schedule& other) const {
    return start_time == other.start_time && state == other.state;
  }
};

std::ostream& operator<<(std::ostream& out, const Schedule& s) {
  return out << "{" << s.start_time << "," << s.state << "}";
}

Schedule ScheduleOf(const qm::JobTable& table, int row) {
  return {Cell(table, row, qm::kColumnStartTime), Cell(table, row, qm::kColumnState)};
}

void SetSchedule(qm::JobTable& table, int row, const Schedule& s) {
  table.SetItemText(row, qm::kColumnStartTime, s.start_time.c_str());
  table.SetItemText(row, qm::kColumnState, s.state.c_str());
}

TEST(ScheduleFile, RoundTripKeepsEveryJobsOwnScheduleAndPlainLinesUnchanged) {
  const std::vector<std::string> names = {"a,b", " lead", "plain", "表", "ソ", "a", "trail ", "q\"t",
                                          "cr", "no time"};
  const std::vector<Schedule> schedules = {{"10:00", "停止"}, {"11:00", "開始"}, {"09:30", "開始"},
                                           {"12:00", ""},     {"13:05", "開始"}, {"14:00", "停止"},
                                           {"15:00", "開始"}, {"16:00", "開始"}, {"12:00 \r", "x\r"},
                                           {"", "開始"}};
  qm::MemoryJobTable table = TableWithJobs(names);
  for (int row = 0; row < table.RowCount(); ++row) SetSchedule(table, row, schedules[row]);

  qm::MemoryScheduleFiles files;
  qm::SaveSchedule(table, kPath, files);
  ASSERT_EQ(files.files.size(), 1u);
  EXPECT_EQ(files.files[kPath],
            "\"a,b\",10:00,停止\r\n"
            "\" lead\",11:00,開始\r\n"
            "plain,09:30,開始\r\n"
            "表,12:00,\r\n"
            "ソ,13:05,開始\r\n"
            "a,14:00,停止\r\n"
            "\"trail \",15:00,開始\r\n"
            "\"q\"\"t\",16:00,開始\r\n"
            "cr,\"12:00 \r\",\"x\r\"\r\n");

  // A restart: the scan gives the same names with empty schedules.
  qm::MemoryJobTable restarted = TableWithJobs(names);
  qm::LoadSchedule(restarted, kPath, files);
  for (int row = 0; row < restarted.RowCount(); ++row) {
    const Schedule expected = schedules[row].start_time.empty() ? Schedule{} : schedules[row];
    EXPECT_EQ(ScheduleOf(restarted, row), expected) << names[row];
  }
}

struct LoadCase {
  const char* what;
  std::string file;
  std::vector<Schedule> expected;  // for the rows job1, job2, a
};

class ScheduleLoad : public ::testing::TestWithParam<LoadCase> {};

TEST_P(ScheduleLoad, MergesTheFileByName) {
  const LoadCase& c = GetParam();
  qm::MemoryJobTable table = TableWithJobs({"job1", "job2", "a"});
  for (int row = 0; row < table.RowCount(); ++row) {
    table.SetItemText(row, qm::kColumnRemaining, "--");
  }
  qm::MemoryScheduleFiles files;
  files.files[kPath] = c.file;
  qm::LoadSchedule(table, kPath, files);
  for (int row = 0; row < table.RowCount(); ++row) {
    EXPECT_EQ(ScheduleOf(table, row), c.expected[row]) << "row " << row;
    EXPECT_EQ(Cell(table, row, qm::kColumnRemaining), "--");
  }
  EXPECT_EQ(table.RowCount(), 3);
}

const std::string kJob1Line = "job1,09:30,開始\r\n";
const std::string kUtf16Job1 = std::string("\xFF\xFEj\0o\0b\0" "1\0,\0" "0\0" "9\0:\0" "3\0" "0\0\r\0\n\0", 26);

INSTANTIATE_TEST_SUITE_P(
    Cases, ScheduleLoad,
    ::testing::Values(
        LoadCase{"one line", kJob1Line, {{"09:30", "開始"}, {}, {}}},
        LoadCase{"last line wins", kJob1Line + "job1,10:00,停止\r\n", {{"10:00", "停止"}, {}, {}}},
        LoadCase{"unknown job", "ghost,09:30,開始\r\n", {{}, {}, {}}},
        LoadCase{"name case matters", "JOB1,09:30,開始\r\n", {{}, {}, {}}},
        LoadCase{"empty lines", "\r\n\r\n" + kJob1Line, {{"09:30", "開始"}, {}, {}}},
        LoadCase{"missing fields", "job1,09:30\r\njob2\r\n", {{"09:30", ""}, {}, {}}},
        LoadCase{"no final line end", "job2,08:00,開始", {{}, {"08:00", "開始"}, {}}},
        LoadCase{"shorter name of a quoted one", "\"a,b\",07:00,開始\r\n", {{}, {}, {}}},
        LoadCase{"state text taken unchanged", "a,7:5,済\r\n", {{}, {}, {"7:5", "済"}}},
        LoadCase{"NUL-prefixed", std::string("\0\0\0\r\n", 5) + kJob1Line, {{"09:30", "開始"}, {}, {}}},
        LoadCase{"all NUL", std::string(3000, '\0'), {{}, {}, {}}},
        LoadCase{"NUL-filled tail", kJob1Line + std::string(2000, '\0'), {{"09:30", "開始"}, {}, {}}},
        LoadCase{"UTF-16", kUtf16Job1 + kUtf16Job1, {{}, {}, {}}},
        LoadCase{"UTF-16 then a valid line", kUtf16Job1 + "\n" + kJob1Line, {{"09:30", "開始"}, {}, {}}},
        // Read in pieces of 1023 bytes: the first piece carries the schedule,
        // the rest is a line of its own that names no job.
        LoadCase{"long line", "job1,09:30,開始," + std::string(3000, 'x') + "\r\n", {{"09:30", "開始"}, {}, {}}},
        LoadCase{"long field", std::string(3000, 'j') + ",09:30,開始\r\n" + kJob1Line,
                 {{"09:30", "開始"}, {}, {}}}),
    [](const ::testing::TestParamInfo<LoadCase>& info) {
      std::string name;
      for (const char* p = info.param.what; *p; ++p) name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
      return name;
    });

TEST(ScheduleFile, MissingFileOrNoPathLeavesTableAndFilesAlone) {
  qm::MemoryJobTable table = TableWithJobs({"job1"});
  SetSchedule(table, 0, {"09:30", "開始"});
  qm::MemoryScheduleFiles files;
  qm::LoadSchedule(table, kPath, files);
  qm::LoadSchedule(table, "", files);
  qm::SaveSchedule(table, "", files);
  EXPECT_EQ(ScheduleOf(table, 0), (Schedule{"09:30", "開始"}));
  EXPECT_TRUE(files.files.empty());
}

TEST(ScheduleFile, LinesOfJobsWithoutFolderAreGoneAfterTheNextSave) {
  qm::MemoryJobTable table = TableWithJobs({"job1"});
  qm::MemoryScheduleFiles files;
  files.files[kPath] = "ghost,08:00,開始\r\n" + kJob1Line;
  qm::LoadSchedule(table, kPath, files);
  qm::SaveSchedule(table, kPath, files);
  EXPECT_EQ(files.files[kPath], kJob1Line);
}

TEST(ScheduleFile, SavingNoScheduleLeavesAnEmptyFile) {
  qm::MemoryJobTable table = TableWithJobs({"job1"});
  qm::MemoryScheduleFiles files;
  files.files[kPath] = kJob1Line;
  qm::SaveSchedule(table, kPath, files);
  EXPECT_EQ(files.files.size(), 1u);
  EXPECT_EQ(files.files[kPath], "");
}

}  // namespace
