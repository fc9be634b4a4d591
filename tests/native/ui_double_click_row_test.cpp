#include <gtest/gtest.h>

#include <vector>

#include "jobs/memory_job_table.h"
#include "ui/double_click_row.h"

namespace {

qm::MemoryJobTable TableOf(const std::vector<const char*>& names) {
  qm::MemoryJobTable table;
  for (const char* name : names) {
    table.AppendRow("");
    table.SetItemText(table.RowCount() - 1, qm::kColumnName, name);
  }
  return table;
}

TEST(DoubleClickRow, RunsTheJobThatWasChosenEvenWhenTheTableChangedMeanwhile) {
  struct Case {
    const char* what;
    std::vector<const char*> before;
    int chosen_row;
    std::vector<const char*> after;
    int expected;
  } cases[] = {
      {"unchanged", {"a", "b", "c"}, 1, {"a", "b", "c"}, 1},
      {"rows moved: found by name", {"a", "b", "c"}, 1, {"x", "a", "c", "b"}, 3},
      {"name appears twice: the remembered row wins", {"a", "b", "b"}, 2, {"a", "b", "b"}, 2},
      {"moved, name twice: the first row by name", {"a", "b"}, 1, {"b", "x", "b"}, 0},
      {"job gone", {"a", "b", "c"}, 1, {"a", "c"}, -1},
      {"table emptied", {"a"}, 0, {}, -1},
      {"table shrank below the row", {"a", "b", "c"}, 2, {"c"}, 0},
      {"no selection", {"a", "b"}, -1, {"a", "b"}, -1},
      {"empty name cell is never run", {"a", ""}, 1, {"a", ""}, -1},
      {"a prefix is another job", {"abc"}, 0, {"ab", "abcd"}, -1},
      {"Japanese name found by its bytes", {"朝の処理", "表"}, 1, {"表", "朝の処理"}, 0},
  };
  for (const Case& c : cases) {
    const qm::MemoryJobTable before = TableOf(c.before);
    const qm::ChosenJob chosen = qm::RememberChosenJob(before, c.chosen_row);
    const qm::MemoryJobTable after = TableOf(c.after);
    EXPECT_EQ(qm::ResolveChosenJobRow(after, chosen), c.expected) << c.what;
  }
}

}  // namespace
