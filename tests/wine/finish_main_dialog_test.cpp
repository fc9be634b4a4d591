// The main dialog's companion commands, notification icon, About box and
// exit, on the real dialog with the real process control and a stand-in
// recorder that records its command lines.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "app/win/win32_process_control.h"
#include "framework/cp932_text.h"
#include "framework/win_app.h"
#include "jobs/row_state.h"
#include "res/resource.h"
#include "scheduler/companion_watch.h"
#include "tests/wine/finish_support.h"
#include "tests/wine/shell_test_support.h"
#include "ui/win/quillmere_control_dlg.h"

namespace {

using finish_test::DialogAnswerer;
using finish_test::PumpFor;
using finish_test::PumpUntil;

CWinApp& TestApplication() {
  static CWinApp application;
  static bool started = false;
  if (!started) {
    application.m_hInstance = GetModuleHandleW(nullptr);
    application.InitInstance();
    started = true;
  }
  return application;
}

// Nothing armed, so the minute checks of the running clock leave scheduling
// inactive; the tests set it themselves.
const char kSchedule[] = "jobB,09:30,\r\njobC,10:00,停止\r\n";

// One dialog for the suite: under Wine without a window manager every hide
// of a shown window waits two seconds. Every test leaves it shown, with the
// recorder's path and the watch as they were.
class CompanionDialogTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    TestApplication();
    data_ = new shell_test::TempFolder();
    for (const wchar_t* job : {L"jobA", L"jobB", L"jobC"}) {
      CreateDirectoryW(data_->Sub(job).c_str(), nullptr);
    }
    data_path_ = qm::Cp932FromWide(data_->path());
    schedule_path_ = data_path_ + "\\ExecTime.def";
    shell_test::WriteFileBytes(data_->Sub(L"ExecTime.def"), kSchedule);
    SetRecorder(qm::Cp932FromWide(shell_test::TestProgramDirectory()) + "finish_fake_recorder.exe");
    log_ = data_->path() + L"\\..\\recorder_log_" + std::to_wstring(GetCurrentProcessId()) + L".txt";
    SetEnvironmentVariableW(L"QM_FAKE_RECORDER_LOG", log_.c_str());
    // The player beside a log of its own, outside the data directory.
    app_ = new shell_test::TempFolder();
    CopyFileW((shell_test::TestProgramDirectory() + L"shell_fake_player.exe").c_str(),
              app_->Sub(L"ReplayRunner.exe").c_str(), FALSE);
    player_ = qm::Cp932FromWide(app_->Sub(L"ReplayRunner.exe"));

    qm::MainDialogEnvironment environment;
    environment.data_directory = [] { return data_path_.c_str(); };
    environment.schedule_path = schedule_path_.c_str();
    environment.recorder_path = recorder_;
    environment.player_path = player_.c_str();
    g_nCurRow = -1;
    g_nPrevRow = -1;
    dialog_ = new CQuillmereControlDlg(environment);
    dialog_->Create();
    ShowWindow(dialog_->m_hWnd, SW_SHOW);
    PumpFor(100);
  }
  static void TearDownTestSuite() {
    delete dialog_;
    dialog_ = nullptr;
    PumpFor(50);
    DeleteFileW(log_.c_str());
    delete data_;
    data_ = nullptr;
    delete app_;
    app_ = nullptr;
  }
  void SetUp() override {
    DeleteFileW(log_.c_str());
    SetEnvironmentVariableW(L"QM_FAKE_RECORDER_LINGER_MS", nullptr);
    SetEnvironmentVariableW(L"QM_FAKE_RECORDER_NEW_FOLDER", nullptr);
  }
  void TearDown() override {
    if (!Visible()) {
      ShowWindow(dialog_->m_hWnd, SW_SHOW);
      PumpFor(50);
    }
    g_nCurRow = -1;
    qm::g_CompanionWatch.scheduling_active = false;
    shell_test::WriteFileBytes(data_->Sub(L"ExecTime.def"), kSchedule);
  }

  static void SetRecorder(const std::string& path) {
    std::strncpy(recorder_, path.c_str(), sizeof recorder_ - 1);
  }
  static bool Visible() { return IsWindowVisible(dialog_->m_hWnd) != FALSE; }
  static void Click(int id) {
    SendMessageW(dialog_->m_hWnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog_->m_hWnd, id)));
  }
  static std::wstring RecorderLog() { return finish_test::ReadWideFile(log_); }
  static std::wstring Quoted(const std::string& text) { return L"\"" + qm::WideFromCp932(text) + L"\""; }
  static int RowOf(const char* name) {
    for (int row = 0; row < dialog_->m_JobList.GetItemCount(); ++row) {
      if (dialog_->m_JobList.GetItemText(row, 1) == name) return row;
    }
    return -1;
  }
  // Waits for the recorder's wait to end with the dialog shown again.
  static bool BackFromRecorder() { return PumpUntil([] { return Visible(); }); }
  // The same wait, for a player run.
  static bool BackFromPlayer() { return BackFromRecorder(); }

  static shell_test::TempFolder* data_;
  static shell_test::TempFolder* app_;
  static std::string data_path_;
  static std::string schedule_path_;
  static std::wstring log_;
  static std::string player_;
  static char recorder_[MAX_PATH];
  static CQuillmereControlDlg* dialog_;
};

shell_test::TempFolder* CompanionDialogTest::data_ = nullptr;
shell_test::TempFolder* CompanionDialogTest::app_ = nullptr;
std::string CompanionDialogTest::data_path_;
std::string CompanionDialogTest::schedule_path_;
std::wstring CompanionDialogTest::log_;
std::string CompanionDialogTest::player_;
char CompanionDialogTest::recorder_[MAX_PATH] = "";
CQuillmereControlDlg* CompanionDialogTest::dialog_ = nullptr;

TEST_F(CompanionDialogTest, AddingAJobWaitsForTheRecorderThenListsItsFolderWithNothingSelected) {
  const std::wstring new_job = data_->Sub(L"\u65B0\u898F");  // 新規
  SetEnvironmentVariableW(L"QM_FAKE_RECORDER_NEW_FOLDER", new_job.c_str());
  SetEnvironmentVariableW(L"QM_FAKE_RECORDER_LINGER_MS", L"1500");
  g_nCurRow = RowOf("jobA");
  dialog_->m_JobNameEdit.SetWindowText("jobA");

  Click(IDC_ADD_BUTTON);
  EXPECT_FALSE(Visible());
  ASSERT_TRUE(BackFromRecorder());
  EXPECT_EQ(RecorderLog(), Quoted(recorder_) + L"\n") << "the path alone, quoted";
  EXPECT_EQ(dialog_->m_JobList.GetItemCount(), 4);
  const int row = RowOf("新規");
  ASSERT_GE(row, 0);
  EXPECT_EQ(dialog_->m_JobList.GetItemText(row, 2), "") << "not in the schedule file";
  EXPECT_EQ(dialog_->m_JobList.GetItemText(RowOf("jobC"), 4), "停止") << "schedule loaded again";
  EXPECT_EQ(g_nCurRow, -1);
  EXPECT_EQ(dialog_->m_JobNameEdit.GetWindowText(), "");
  EXPECT_FALSE(dialog_->m_JobNameEdit.IsWindowEnabled());
  for (int id : {IDC_RENAME_BUTTON, IDC_RUN_BUTTON, IDC_DETAILS_BUTTON}) {
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog_->m_hWnd, id))) << id;
  }
  RemoveDirectoryW(new_job.c_str());
}

TEST_F(CompanionDialogTest, EnterOpensTheSelectedJobWithPathAndNameQuotedAndSavesFirst) {
  g_nCurRow = RowOf("jobC");
  dialog_->m_JobList.SetItemText(g_nCurRow, 2, "11:11");
  SendMessageW(dialog_->m_hWnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  EXPECT_FALSE(Visible());
  EXPECT_NE(shell_test::ReadFileBytes(data_->Sub(L"ExecTime.def")).find("jobC,11:11,"), std::string::npos)
      << "saved before the recorder starts";
  ASSERT_TRUE(BackFromRecorder());
  EXPECT_EQ(RecorderLog(), Quoted(recorder_) + L" \"jobC\"\n");
}

TEST_F(CompanionDialogTest, EnterWithoutASelectedJobDoesNothing) {
  g_nCurRow = -1;
  SendMessageW(dialog_->m_hWnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  PumpFor(1500);
  EXPECT_TRUE(Visible());
  EXPECT_EQ(RecorderLog(), L"") << "no recorder was started";
}

TEST_F(CompanionDialogTest, APlayerEndingWhileTheRecorderIsOpenDoesNotEndTheWait) {
  SetEnvironmentVariableW(L"QM_FAKE_RECORDER_LINGER_MS", L"4000");
  Click(IDC_ADD_BUTTON);
  ASSERT_FALSE(Visible());
  // A scheduled run plays and ends while the recorder is still open.
  const std::wstring sleeper = L"\"" + shell_test::TestProgramDirectory() + L"shell_sleeper.exe\" exit";
  const qm::ProcessId player =
      qm::SystemProcesses().StartProgram(qm::Cp932FromWide(sleeper).c_str());
  ASSERT_NE(player, 0u);
  qm::g_CompanionWatch.RecordPlayerStart(player, qm::SystemProcesses());
  ASSERT_TRUE(PumpUntil([&] { return !qm::SystemProcesses().IsProcessAlive(player); }));
  PumpFor(1500);
  EXPECT_FALSE(Visible()) << "shown over the open recorder";
  ASSERT_TRUE(BackFromRecorder());
  EXPECT_FALSE(qm::SystemProcesses().IsProcessAlive(qm::g_CompanionWatch.recorder_id));
}

TEST_F(CompanionDialogTest, ARecorderThatCannotStartBringsTheDialogBackWithTheTableRebuilt) {
  const std::string working = recorder_;
  SetRecorder(data_path_ + "\\missing\\InputStudio.exe");
  g_nCurRow = RowOf("jobB");
  Click(IDC_ADD_BUTTON);
  EXPECT_FALSE(Visible());
  EXPECT_EQ(qm::g_CompanionWatch.recorder_id, 0u);
  EXPECT_TRUE(BackFromRecorder());
  EXPECT_EQ(g_nCurRow, -1);
  SetRecorder(working);
}

TEST_F(CompanionDialogTest, ADoubleClickRunsTheJobOnlyAfterYes) {
  const std::wstring player_log = app_->Sub(L"player_command_line.txt");
  const int row = RowOf("jobC");
  ASSERT_GE(row, 0);
  dialog_->m_JobList.SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  for (int answer : {IDNO, IDYES}) {
    DeleteFileW(player_log.c_str());
    DialogAnswerer question(L"\u30AF\u30A4\u30EB\u30DF\u30A2", answer);  // クイルミア
    NMITEMACTIVATE click = {};
    click.hdr.hwndFrom = dialog_->m_JobList.m_hWnd;
    click.hdr.idFrom = IDC_JOB_LIST;
    click.hdr.code = NM_DBLCLK;
    click.iItem = row;
    SendMessageW(dialog_->m_hWnd, WM_NOTIFY, IDC_JOB_LIST, reinterpret_cast<LPARAM>(&click));
    ASSERT_TRUE(question.Answered()) << answer;
    EXPECT_EQ(qm::Cp932FromWide(question.text()), "選択した作業を実行しますか？");
    EXPECT_EQ(g_nCurRow, row) << "the click selects the row first";
    if (answer == IDNO) {
      PumpFor(1500);
      EXPECT_FALSE(shell_test::Exists(player_log)) << "a player was started after No";
      EXPECT_TRUE(Visible());
    } else {
      ASSERT_TRUE(PumpUntil([&] { return shell_test::Exists(player_log); }));
      const std::wstring job = data_->path() + L"\\jobC\\";
      EXPECT_EQ(finish_test::ReadWideFile(player_log),
                Quoted(player_) + L" \"" + job + L"KeyRecord.def\" \"" + job + L"KeyRepeat.def\"");
      EXPECT_TRUE(BackFromPlayer()) << "the player poll shows the dialog again";
    }
  }
  dialog_->m_JobList.SetItemState(row, 0, LVIS_SELECTED | LVIS_FOCUSED);
}

TEST_F(CompanionDialogTest, TheTrayButtonHidesUntilAMouseMessageOtherThanAMoveArrives) {
  Click(IDC_TRAY_BUTTON);
  // Without a notification area the icon cannot be added, and then the
  // window must stay, since nothing could bring it back.
  ASSERT_EQ(Visible(), !dialog_->TrayIconPresent());
  if (Visible()) GTEST_SKIP() << "no notification area to add the icon to";
  EXPECT_EQ(std::wstring(dialog_->m_TrayIcon.szTip), L"Quillmere");
  EXPECT_EQ(dialog_->m_TrayIcon.uCallbackMessage, static_cast<UINT>(WM_USER + 100));
  EXPECT_EQ(dialog_->m_TrayIcon.uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP));
  SendMessageW(dialog_->m_hWnd, WM_QM_TRAY_NOTIFY, 0, WM_MOUSEMOVE);
  PumpFor(100);
  EXPECT_FALSE(Visible());
  SendMessageW(dialog_->m_hWnd, WM_QM_TRAY_NOTIFY, 0, WM_RBUTTONUP);
  EXPECT_TRUE(Visible());
  EXPECT_FALSE(dialog_->TrayIconPresent());
}

TEST_F(CompanionDialogTest, MinimisingHidesToTheTrayAndARestartedTaskbarGetsTheIconBack) {
  SendMessageW(dialog_->m_hWnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  if (!dialog_->TrayIconPresent()) {
    EXPECT_TRUE(Visible());
    GTEST_SKIP() << "no notification area to add the icon to";
  }
  EXPECT_FALSE(Visible());
  EXPECT_FALSE(IsIconic(dialog_->m_hWnd)) << "minimised instead of put away";
  // The shell forgets its icons when it restarts, then announces itself.
  NOTIFYICONDATAW icon = dialog_->m_TrayIcon;
  ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &icon));
  SendMessageW(dialog_->m_hWnd, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
  EXPECT_TRUE(Shell_NotifyIconW(NIM_MODIFY, &icon)) << "the icon was not added again";
  EXPECT_FALSE(Visible());
  SendMessageW(dialog_->m_hWnd, WM_QM_TRAY_NOTIFY, 0, WM_LBUTTONDOWN);
  EXPECT_TRUE(Visible());
  EXPECT_FALSE(Shell_NotifyIconW(NIM_MODIFY, &icon)) << "the icon stayed after the restore";
}

TEST(CompanionDialogEnd, ADialogEndingWhileItsIconIsPresentTakesTheIconAlong) {
  TestApplication();
  qm::MainDialogEnvironment environment;
  environment.data_directory = [] { return ""; };
  auto* dialog = new CQuillmereControlDlg(environment);
  ASSERT_TRUE(dialog->Create());
  SendMessageW(dialog->m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_TRAY_BUTTON, BN_CLICKED), 0);
  if (!dialog->TrayIconPresent()) {
    delete dialog;
    GTEST_SKIP() << "no notification area to add the icon to";
  }
  NOTIFYICONDATAW icon = dialog->m_TrayIcon;
  ASSERT_TRUE(Shell_NotifyIconW(NIM_MODIFY, &icon));
  delete dialog;
  EXPECT_FALSE(Shell_NotifyIconW(NIM_MODIFY, &icon)) << "a stale icon outlived the dialog";
}

TEST_F(CompanionDialogTest, TheSystemMenuCommandOpensTheAboutBoxOverTheDialog) {
  DialogAnswerer answer(L"Quillmere\u306B\u3064\u3044\u3066", IDOK);  // Quillmereについて
  PostMessageW(dialog_->m_hWnd, WM_SYSCOMMAND, IDM_ABOUTBOX | 0x3, 0);
  EXPECT_TRUE(PumpUntil([&] { return answer.Answered(); }));
  EXPECT_EQ(answer.owner(), dialog_->m_hWnd);
  PumpFor(100);
  EXPECT_TRUE(Visible());
}

TEST_F(CompanionDialogTest, ExitAsksOnlyWhileSchedulingIsActiveAndSavesOnlyWhenItEnds) {
  struct Case {
    const char* what;
    bool scheduling_active;
    int answer;  // 0: no question expected
    bool ends;
  } cases[] = {
      {"idle: no question", false, 0, true},
      {"active, No: stays unsaved", true, IDNO, false},
      {"active, Yes: saves and ends", true, IDYES, true},
  };
  for (const Case& c : cases) {
    shell_test::WriteFileBytes(data_->Sub(L"ExecTime.def"), kSchedule);
    dialog_->m_JobList.SetItemText(RowOf("jobA"), 2, "07:07");
    qm::g_CompanionWatch.scheduling_active = c.scheduling_active;
    DialogAnswerer answer(L"\u30AF\u30A4\u30EB\u30DF\u30A2", c.answer != 0 ? c.answer : IDNO);
    PostMessageW(dialog_->m_hWnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    PumpFor(c.answer != 0 ? 0 : 1500);
    if (c.answer != 0) {
      ASSERT_TRUE(PumpUntil([&] { return answer.Answered(); })) << c.what;
    }
    PumpFor(200);
    EXPECT_EQ(answer.Answered(), c.answer != 0) << c.what;
    if (c.answer != 0) {
      EXPECT_EQ(qm::Cp932FromWide(answer.text()),
                "スケジュールされた作業は実施されなくなります。\n\nよろしいですか？")
          << c.what;
    }
    const bool saved = shell_test::ReadFileBytes(data_->Sub(L"ExecTime.def")).find("jobA,07:07,") !=
                       std::string::npos;
    EXPECT_EQ(saved, c.ends) << c.what;
    EXPECT_EQ(Visible(), !c.ends) << c.what;
    if (!Visible()) ShowWindow(dialog_->m_hWnd, SW_SHOW);
  }
}

TEST_F(CompanionDialogTest, ARealSessionEndSavesAndLeavesEverythingElse) {
  struct Case {
    BOOL ending;
    bool saved;
  } cases[] = {{TRUE, true}, {FALSE, false}};
  for (const Case& c : cases) {
    shell_test::WriteFileBytes(data_->Sub(L"ExecTime.def"), kSchedule);
    dialog_->m_JobList.SetItemText(RowOf("jobA"), 2, "08:08");
    SendMessageW(dialog_->m_hWnd, WM_ENDSESSION, c.ending, 0);
    const bool saved = shell_test::ReadFileBytes(data_->Sub(L"ExecTime.def")).find("jobA,08:08,") !=
                       std::string::npos;
    EXPECT_EQ(saved, c.saved) << c.ending;
    EXPECT_TRUE(Visible());
  }
}

}  // namespace
