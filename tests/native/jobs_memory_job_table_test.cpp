#include <gtest/gtest.h>

#include <string>

#include "jobs_test_tables.h"

namespace {

using qm::testing::Cell;
using qm::testing::TableWithJobs;

TEST(MemoryJobTable, ReadsCutToTheBufferAndNothingOutsideTheTable) {
  qm::MemoryJobTable table = TableWithJobs({"job1"});
  table.SetItemText(0, qm::kColumnState, std::string(600, 'x').c_str());
  EXPECT_EQ(Cell(table, 0, qm::kColumnState), std::string(511, 'x'));

  for (auto [row, column] : {std::pair{-1, 1}, {1, 1}, {0, -1}, {0, 5}}) {
    char text[8] = "stale";
    table.GetItemText(row, column, text, sizeof text);
    EXPECT_EQ(std::string(text), "") << row << "," << column;
  }
}

TEST(MemoryJobTable, WritesOutsideTheTableChangeNothing) {
  qm::MemoryJobTable table = TableWithJobs({"job1"});
  table.SetItemText(-1, qm::kColumnStartTime, "09:30");
  table.SetItemText(1, qm::kColumnStartTime, "09:30");
  table.SetItemText(0, qm::kColumnCount, "09:30");
  EXPECT_EQ(table.RowCount(), 1);
  for (int column = 0; column < qm::kColumnCount; ++column) {
    EXPECT_NE(Cell(table, 0, column), "09:30");
  }
}

}  // namespace
