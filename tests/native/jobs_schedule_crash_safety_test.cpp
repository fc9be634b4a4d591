#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "jobs/memory_schedule_files.h"
#include "jobs/schedule_file.h"
#include "jobs_test_tables.h"

namespace {

constexpr char kPath[] = "C:\\data\\ExecTime.def";

// In-memory files where the n-th step of a save fails, a failed write having
// put half its bytes down. Before every step it records what the schedule
// file holds, which is what a crash at that point would leave.
class FailingFiles : public qm::ScheduleFiles {
 public:
  qm::MemoryScheduleFiles disk;
  int fail_at = 0;  // 0: nothing fails
  int steps = 0;
  bool failed = false;
  std::vector<std::string> schedule_before_each_step;

  std::unique_ptr<qm::ScheduleLineReader> OpenForReading(const char* path) override {
    return disk.OpenForReading(path);
  }

  std::unique_ptr<qm::ScheduleTempFile> CreateTemporary(const char* path) override {
    if (Fails()) return nullptr;
    return std::make_unique<File>(*this, disk.CreateTemporary(path));
  }

 private:
  class File : public qm::ScheduleTempFile {
   public:
    File(FailingFiles& owner, std::unique_ptr<qm::ScheduleTempFile> inner)
        : owner_(owner), inner_(std::move(inner)) {}
    bool Write(const char* bytes, std::size_t count) override {
      if (owner_.Fails()) {
        inner_->Write(bytes, count / 2);
        return false;
      }
      return inner_->Write(bytes, count);
    }
    bool Flush() override { return !owner_.Fails() && inner_->Flush(); }
    bool Close() override {
      const bool fails = owner_.Fails();
      return inner_->Close() && !fails;
    }
    bool Replace() override { return !owner_.Fails() && inner_->Replace(); }
    bool Remove() override { return inner_->Remove(); }

   private:
    FailingFiles& owner_;
    std::unique_ptr<qm::ScheduleTempFile> inner_;
  };

  bool Fails() {
    auto schedule = disk.files.find(kPath);
    schedule_before_each_step.push_back(schedule == disk.files.end() ? "<none>" : schedule->second);
    if (++steps != fail_at) return false;
    failed = true;
    return true;
  }
};

TEST(ScheduleCrashSafety, AFailureAtAnyStepLeavesTheOldFileAndNoTemporary) {
  qm::MemoryJobTable table = qm::testing::TableWithJobs({"job1", "a,b", "job3"});
  table.SetItemText(0, qm::kColumnStartTime, "09:30");
  table.SetItemText(0, qm::kColumnState, "開始");
  table.SetItemText(1, qm::kColumnStartTime, "10:00");
  table.SetItemText(2, qm::kColumnStartTime, "11:00");
  table.SetItemText(2, qm::kColumnState, "停止");
  const std::string fresh = "job1,09:30,開始\r\n\"a,b\",10:00,\r\njob3,11:00,停止\r\n";

  for (const char* old : {"job1,08:00,停止\r\n", static_cast<const char*>(nullptr)}) {
    std::map<std::string, std::string> before;
    if (old != nullptr) before[kPath] = old;
    const std::string old_text = old != nullptr ? old : "<none>";
    int fail_at = 1;
    for (;; ++fail_at) {
      FailingFiles files;
      files.disk.files = before;
      files.fail_at = fail_at;
      qm::SaveSchedule(table, kPath, files);
      if (!files.failed) {
        EXPECT_EQ(files.disk.files, (std::map<std::string, std::string>{{kPath, fresh}}));
        break;
      }
      EXPECT_EQ(files.disk.files, before) << "failure at step " << fail_at;
      for (const std::string& seen : files.schedule_before_each_step) {
        EXPECT_EQ(seen, old_text) << "failure at step " << fail_at;
      }
    }
    // Creating, one write per field and separator, flushing, closing, replacing.
    EXPECT_GE(fail_at, 1 + 3 * 6 - 1 + 3 + 1) << old_text;
  }
}

}  // namespace
