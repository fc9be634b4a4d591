#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/win_app.h"
#include "scheduler/clock.h"
#include "ui/win/quillmere_control_dlg.h"

namespace qm_test {

// A clock standing at one moment: 2024-05-01 (Wednesday) 09:00:15.
class FixedClock : public qm::Clock {
 public:
  std::time_t Now() const override { return 1714554015; }
  bool ToLocal(std::time_t, qm::LocalTime& local) const override {
    local.year = 2024;
    local.month = 5;
    local.day = 1;
    local.weekday = 3;
    local.hour = 9;
    local.minute = 0;
    local.second = 15;
    return true;
  }
};

// A data directory of its own with job folders and a schedule file.
class TestDataDirectory {
 public:
  TestDataDirectory();
  ~TestDataDirectory();
  void AddJob(const char* name);
  void AddFile(const char* name, const char* contents);
  const char* path() const { return path_.c_str(); }
  const char* schedule_path() const { return schedule_path_.c_str(); }

 private:
  std::string path_;
  std::string schedule_path_;
  std::vector<std::string> entries_;
};

void PumpMessages();

// The real main dialog, created modeless over a test data directory with
// three jobs, of which "jobB" is armed for 09:30. One dialog serves a whole
// suite: under Wine without a window manager, hiding or destroying a shown
// top-level window waits two seconds for the window manager. Tests that
// change the dialog put it back.
class MainDialogTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite();
  static void TearDownTestSuite();
  void TearDown() override;
  static HWND Item(int id) { return ::GetDlgItem(dialog_->m_hWnd, id); }
  static int RowOf(const char* job_name);
  static std::string Cell(int row, int column) { return dialog_->m_JobList.GetItemText(row, column); }

  static TestDataDirectory* data_;
  static FixedClock clock_;
  static CQuillmereControlDlg* dialog_;
};

}  // namespace qm_test
