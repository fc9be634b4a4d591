#include "tests/wine/ui_dialog_fixture.h"

#include <cstdio>
#include <cstring>

#include "framework/cp932_text.h"
#include "jobs/row_state.h"

namespace qm_test {
namespace {

// One application object for the test program, so the dialog's icon loader
// and the common controls are there as in the program.
CWinApp& TestApplication() {
  static CWinApp application;
  static bool started = false;
  if (!started) {
    application.m_hInstance = ::GetModuleHandleW(nullptr);
    application.InitInstance();
    started = true;
  }
  return application;
}

std::wstring Wide(const std::string& text) { return qm::WideFromCp932(text); }

}  // namespace

TestDataDirectory::TestDataDirectory() {
  wchar_t temp[MAX_PATH];
  ::GetTempPathW(MAX_PATH, temp);
  wchar_t folder[MAX_PATH];
  std::swprintf(folder, MAX_PATH, L"%lsqm_ui_%lu_%lu", temp, ::GetCurrentProcessId(),
                ::GetTickCount());
  ::CreateDirectoryW(folder, nullptr);
  path_ = qm::Cp932FromWide(folder);
  schedule_path_ = path_ + "\\ExecTime.def";
}

TestDataDirectory::~TestDataDirectory() {
  for (auto it = entries_.rbegin(); it != entries_.rend(); ++it) {
    const std::wstring full = Wide(path_ + "\\" + *it);
    if (!::DeleteFileW(full.c_str())) ::RemoveDirectoryW(full.c_str());
  }
  ::RemoveDirectoryW(Wide(path_).c_str());
}

void TestDataDirectory::AddJob(const char* name) {
  ::CreateDirectoryW(Wide(path_ + "\\" + name).c_str(), nullptr);
  entries_.push_back(name);
}

void TestDataDirectory::AddFile(const char* name, const char* contents) {
  HANDLE file = ::CreateFileW(Wide(path_ + "\\" + name).c_str(), GENERIC_WRITE, 0, nullptr,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  ::WriteFile(file, contents, static_cast<DWORD>(std::strlen(contents)), &written, nullptr);
  ::CloseHandle(file);
  entries_.push_back(name);
}

void PumpMessages() {
  // Two rounds: painting one control can post work for another.
  for (int round = 0; round < 2; ++round) {
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      ::TranslateMessage(&message);
      ::DispatchMessageW(&message);
    }
    ::Sleep(20);
  }
}

TestDataDirectory* MainDialogTest::data_ = nullptr;
FixedClock MainDialogTest::clock_;
CQuillmereControlDlg* MainDialogTest::dialog_ = nullptr;

void MainDialogTest::SetUpTestSuite() {
  TestApplication();
  g_nCurRow = -1;
  g_nPrevRow = -1;
  data_ = new TestDataDirectory();
  data_->AddJob("ジョブA");
  data_->AddJob("jobB");
  data_->AddJob("jobC");
  data_->AddFile("ExecTime.def", "jobB,09:30,開始\r\nジョブA,10:00,停止\r\n");
  qm::MainDialogEnvironment environment;
  const std::string directory = data_->path();
  environment.data_directory = [directory]() { return directory.c_str(); };
  environment.schedule_path = data_->schedule_path();
  environment.clock = &clock_;
  dialog_ = new CQuillmereControlDlg(environment);
  dialog_->Create();
  PumpMessages();
}

void MainDialogTest::TearDownTestSuite() {
  delete dialog_;
  dialog_ = nullptr;
  PumpMessages();
  delete data_;
  data_ = nullptr;
}

void MainDialogTest::TearDown() {
  g_nCurRow = -1;
  PumpMessages();
}

int MainDialogTest::RowOf(const char* job_name) {
  for (int row = 0; row < dialog_->m_JobList.GetItemCount(); ++row) {
    if (Cell(row, 1) == job_name) return row;
  }
  return -1;
}

}  // namespace qm_test
