#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "jobs/folder_scan.h"
#include "jobs_test_tables.h"

namespace {

using qm::testing::Cell;

// A listing that delivers fixed entries and records how it was used.
class FakeLister : public qm::DirectoryLister {
 public:
  std::vector<qm::DirectoryEntry> entries;
  bool can_open = true;
  std::vector<std::string> patterns;
  int open_listings = 0;

  bool Open(const char* pattern) override {
    patterns.push_back(pattern);
    next_ = 0;
    if (can_open) ++open_listings;
    return can_open;
  }
  bool Next(qm::DirectoryEntry& entry) override {
    if (next_ >= entries.size()) return false;
    entry = entries[next_++];
    return true;
  }
  void Close() override { --open_listings; }

 private:
  std::size_t next_ = 0;
};

std::vector<std::string> Column(const qm::JobTable& table, int column) {
  std::vector<std::string> texts;
  for (int row = 0; row < table.RowCount(); ++row) texts.push_back(Cell(table, row, column));
  return texts;
}

TEST(FolderScan, ListsDirectoriesInListingOrderAndNumbersThem) {
  FakeLister lister;
  lister.entries = {{".", true},      {"..", true},    {"b", true},           {"ExecTime.def", false},
                    {"a", true},      {".dot", true},  {"notes.txt", false},  {"表", true}};
  qm::MemoryJobTable table;
  qm::ScanJobFolders("C:\\data", table, lister);

  EXPECT_EQ(Column(table, qm::kColumnName), (std::vector<std::string>{"b", "a", ".dot", "表"}));
  EXPECT_EQ(Column(table, qm::kColumnNumber), (std::vector<std::string>{"1", "2", "3", "4"}));
  for (int column : {qm::kColumnStartTime, qm::kColumnRemaining, qm::kColumnState}) {
    EXPECT_EQ(Column(table, column), (std::vector<std::string>(4, "")));
  }
  EXPECT_EQ(lister.open_listings, 0);
}

TEST(FolderScan, TheTenthRowIsNumberedTen) {
  FakeLister lister;
  for (int i = 0; i < 10; ++i) lister.entries.push_back({"job" + std::to_string(i), true});
  qm::MemoryJobTable table;
  qm::ScanJobFolders("C:\\data", table, lister);
  ASSERT_EQ(table.RowCount(), 10);
  EXPECT_EQ(Cell(table, 9, qm::kColumnNumber), "10");
}

TEST(FolderScan, BuildsThePatternWithOneSeparator) {
  struct Case {
    const char* directory;
    const char* pattern;
  };
  // 表 ends in the byte 5C, which is not a separator there.
  for (const Case& c : {Case{"C:\\data", "C:\\data\\*.*"}, Case{"C:\\data\\", "C:\\data\\*.*"},
                        Case{"C:\\表", "C:\\表\\*.*"}, Case{"C:\\表\\", "C:\\表\\*.*"}}) {
    FakeLister lister;
    qm::MemoryJobTable table;
    qm::ScanJobFolders(c.directory, table, lister);
    EXPECT_EQ(lister.patterns, (std::vector<std::string>{c.pattern})) << c.directory;
  }
}

TEST(FolderScan, RescanReplacesEveryRowAndEmptiesTheSchedule) {
  FakeLister lister;
  lister.entries = {{"old", true}};
  qm::MemoryJobTable table;
  qm::ScanJobFolders("C:\\data", table, lister);
  table.SetItemText(0, qm::kColumnStartTime, "09:30");
  table.SetItemText(0, qm::kColumnRemaining, "00:05");
  table.SetItemText(0, qm::kColumnState, "開始");

  lister.entries = {{"new", true}, {"old", true}};
  qm::ScanJobFolders("C:\\data", table, lister);
  EXPECT_EQ(Column(table, qm::kColumnName), (std::vector<std::string>{"new", "old"}));
  EXPECT_EQ(Column(table, qm::kColumnNumber), (std::vector<std::string>{"1", "2"}));
  EXPECT_EQ(Column(table, qm::kColumnState), (std::vector<std::string>{"", ""}));
  EXPECT_EQ(Column(table, qm::kColumnStartTime), (std::vector<std::string>{"", ""}));
}

TEST(FolderScan, NoDirectoryOrNoListingLeavesTheTableEmpty) {
  FakeLister unlistable;
  unlistable.can_open = false;
  unlistable.entries = {{"job", true}};
  FakeLister unused;
  unused.entries = {{"job", true}};
  struct Case {
    const char* directory;
    FakeLister* lister;
  };
  for (const Case& c : {Case{"", &unused}, Case{nullptr, &unused}, Case{"C:\\gone", &unlistable}}) {
    qm::MemoryJobTable table = qm::testing::TableWithJobs({"stale"});
    qm::ScanJobFolders(c.directory, table, *c.lister);
    EXPECT_EQ(table.RowCount(), 0);
  }
  EXPECT_TRUE(unused.patterns.empty());
}

}  // namespace
