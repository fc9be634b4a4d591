#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/buffer_limits.h"
#include "framework/cp932_text.h"
#include "jobs/folder_scan.h"
#include "jobs/memory_job_table.h"
#include "jobs/schedule_file.h"
#include "jobs/win/win32_directory_lister.h"
#include "jobs/win/win32_schedule_files.h"

namespace {

std::string Cell(const qm::JobTable& table, int row, int column) {
  char text[qm::kCellBufferSize];
  table.GetItemText(row, column, text, sizeof text);
  return text;
}

// A data directory of its own with three job folders, one dot folder and
// one hidden, beside a plain file.
class RealJobFolders : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t temp[MAX_PATH];
    ASSERT_NE(GetTempPathW(MAX_PATH, temp), 0u);
    CreateDirectoryW(temp, nullptr);  // a fresh Wine prefix may not have it yet
    root_ = std::wstring(temp) + L"qm-store-" + std::to_wstring(GetCurrentProcessId()) + RootSuffix();
    if (!CreateDirectoryW(root_.c_str(), nullptr)) {
      // Wine keeps names in the Unix locale's encoding: the C locale has no 表.
      if (!RootSuffix().empty()) GTEST_SKIP() << "this host cannot store a Japanese file name";
      FAIL() << GetLastError();
    }
    for (const wchar_t* name : {L"job1", L".dot", L"hidden"}) ASSERT_TRUE(MakeFolder(name));
    ASSERT_TRUE(SetFileAttributesW((root_ + L"\\hidden").c_str(), FILE_ATTRIBUTE_HIDDEN));
    WriteFileBytes(L"notes.txt", "not a job");
    data_directory_ = qm::Cp932FromWide(root_);
    schedule_path_ = data_directory_ + "\\ExecTime.def";
  }

  void TearDown() override {
    for (const std::wstring& name : FilesInRoot()) DeleteFileW((root_ + L"\\" + name).c_str());
    for (auto dir = created_.rbegin(); dir != created_.rend(); ++dir) {
      SetFileAttributesW(dir->c_str(), FILE_ATTRIBUTE_NORMAL);
      RemoveDirectoryW(dir->c_str());
    }
    RemoveDirectoryW(root_.c_str());
  }

  virtual std::wstring RootSuffix() const { return L""; }

  bool MakeFolder(const std::wstring& name) {
    if (!CreateDirectoryW((root_ + L"\\" + name).c_str(), nullptr)) return false;
    created_.push_back(root_ + L"\\" + name);
    return true;
  }

  void WriteFileBytes(const wchar_t* name, const std::string& bytes) {
    HANDLE file = CreateFileW((root_ + L"\\" + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    EXPECT_TRUE(WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr));
    CloseHandle(file);
  }

  std::string ReadFileBytes(const wchar_t* name) {
    HANDLE file = CreateFileW((root_ + L"\\" + name).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "<none>";
    std::string bytes;
    char chunk[4096];
    DWORD read = 0;
    while (ReadFile(file, chunk, sizeof chunk, &read, nullptr) && read != 0) bytes.append(chunk, read);
    CloseHandle(file);
    return bytes;
  }

  std::vector<std::wstring> FilesInRoot() {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((root_ + L"\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
      if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) names.push_back(data.cFileName);
    } while (FindNextFileW(find, &data));
    FindClose(find);
    std::sort(names.begin(), names.end());
    return names;
  }

  qm::MemoryJobTable Scan() {
    qm::MemoryJobTable table;
    qm::Win32DirectoryLister lister;
    qm::ScanJobFolders(data_directory_.c_str(), table, lister);
    return table;
  }

  int RowOf(const qm::JobTable& table, const char* name) {
    for (int row = 0; row < table.RowCount(); ++row) {
      if (Cell(table, row, qm::kColumnName) == name) return row;
    }
    ADD_FAILURE() << "no row for a job";
    return -1;
  }

  std::wstring root_;
  std::vector<std::wstring> created_;
  std::string data_directory_;
  std::string schedule_path_;
};

TEST_F(RealJobFolders, ScanListsEveryDirectoryAndNoFile) {
  WriteFileBytes(L"ExecTime.def", "job1,09:30,開始\r\n");
  const qm::MemoryJobTable table = Scan();
  std::vector<std::string> names;
  for (int row = 0; row < table.RowCount(); ++row) {
    names.push_back(Cell(table, row, qm::kColumnName));
    EXPECT_EQ(Cell(table, row, qm::kColumnNumber), std::to_string(row + 1));
  }
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{".dot", "hidden", "job1"}));
}

TEST_F(RealJobFolders, ScheduleSurvivesASaveAndALoad) {
  qm::MemoryJobTable table = Scan();
  table.SetItemText(RowOf(table, "job1"), qm::kColumnStartTime, "09:30");
  table.SetItemText(RowOf(table, "job1"), qm::kColumnState, "開始");
  table.SetItemText(RowOf(table, ".dot"), qm::kColumnStartTime, "23:05");
  qm::Win32ScheduleFiles files;
  qm::SaveSchedule(table, schedule_path_.c_str(), files);
  // A second save replaces the file its first one made.
  table.SetItemText(RowOf(table, ".dot"), qm::kColumnState, "停止");
  qm::SaveSchedule(table, schedule_path_.c_str(), files);

  const std::string content = ReadFileBytes(L"ExecTime.def");
  EXPECT_NE(content.find("job1,09:30,開始\r\n"), std::string::npos);
  EXPECT_NE(content.find(".dot,23:05,停止\r\n"), std::string::npos);
  EXPECT_EQ(content.size(), std::string("job1,09:30,開始\r\n.dot,23:05,停止\r\n").size());
  EXPECT_EQ(FilesInRoot(), (std::vector<std::wstring>{L"ExecTime.def", L"notes.txt"}));

  qm::MemoryJobTable restarted = Scan();
  qm::LoadSchedule(restarted, schedule_path_.c_str(), files);
  EXPECT_EQ(Cell(restarted, RowOf(restarted, "job1"), qm::kColumnStartTime), "09:30");
  EXPECT_EQ(Cell(restarted, RowOf(restarted, "job1"), qm::kColumnState), "開始");
  EXPECT_EQ(Cell(restarted, RowOf(restarted, ".dot"), qm::kColumnState), "停止");
  EXPECT_EQ(Cell(restarted, RowOf(restarted, "hidden"), qm::kColumnStartTime), "");
}

// The data directory's name and two job names end in the byte 5C.
class JapaneseJobFolders : public RealJobFolders {
 protected:
  std::wstring RootSuffix() const override { return L"\u8868"; }
};

TEST_F(JapaneseJobFolders, ScanSaveAndLoadKeepTheNames) {
  ASSERT_TRUE(MakeFolder(L"\u8868"));
  ASSERT_TRUE(MakeFolder(L"\u30BD"));
  qm::MemoryJobTable table = Scan();
  ASSERT_EQ(table.RowCount(), 5);
  table.SetItemText(RowOf(table, "表"), qm::kColumnStartTime, "23:05");
  table.SetItemText(RowOf(table, "表"), qm::kColumnState, "停止");
  table.SetItemText(RowOf(table, "ソ"), qm::kColumnStartTime, "07:00");
  table.SetItemText(RowOf(table, "ソ"), qm::kColumnState, "開始");
  qm::Win32ScheduleFiles files;
  qm::SaveSchedule(table, schedule_path_.c_str(), files);
  const std::string content = ReadFileBytes(L"ExecTime.def");
  EXPECT_NE(content.find("表,23:05,停止\r\n"), std::string::npos);
  EXPECT_NE(content.find("ソ,07:00,開始\r\n"), std::string::npos);

  qm::MemoryJobTable restarted = Scan();
  qm::LoadSchedule(restarted, schedule_path_.c_str(), files);
  EXPECT_EQ(Cell(restarted, RowOf(restarted, "表"), qm::kColumnStartTime), "23:05");
  EXPECT_EQ(Cell(restarted, RowOf(restarted, "ソ"), qm::kColumnState), "開始");
}

TEST_F(RealJobFolders, AFailedReplaceLeavesTheOldFileAndNoTemporary) {
  const std::string old = "job1,08:00,停止\r\n";
  WriteFileBytes(L"ExecTime.def", old);
  qm::MemoryJobTable table = Scan();
  table.SetItemText(RowOf(table, "job1"), qm::kColumnStartTime, "09:30");

  // Another program holding the file open without sharing its deletion
  // makes the replace fail.
  HANDLE holder = CreateFileW((root_ + L"\\ExecTime.def").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  qm::Win32ScheduleFiles files;
  qm::SaveSchedule(table, schedule_path_.c_str(), files);
  CloseHandle(holder);

  EXPECT_EQ(ReadFileBytes(L"ExecTime.def"), old);
  EXPECT_EQ(FilesInRoot(), (std::vector<std::wstring>{L"ExecTime.def", L"notes.txt"}));
}

TEST_F(RealJobFolders, AMissingFileLeavesTheTableAsScanned) {
  qm::MemoryJobTable table = Scan();
  qm::Win32ScheduleFiles files;
  qm::LoadSchedule(table, schedule_path_.c_str(), files);
  for (int row = 0; row < table.RowCount(); ++row) {
    EXPECT_EQ(Cell(table, row, qm::kColumnStartTime), "");
  }
  EXPECT_EQ(FilesInRoot(), (std::vector<std::wstring>{L"notes.txt"}));
}

}  // namespace
