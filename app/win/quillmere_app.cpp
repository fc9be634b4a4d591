#include <windows.h>

#include "app/data_directory.h"
#include "app/one_argument_mode.h"
#include "app/program_paths.h"
#include "app/win/executable_directory.h"
#include "app/win/win32_process_control.h"
#include "controls/win/splash_screen.h"
#include "framework/win_app.h"
#include "jobs/win/csv_misuse_message_box.h"
#include "scheduler/companion_watch.h"
#include "ui/win/quillmere_control_dlg.h"

class CQuillmereControlApp : public CWinApp {
 public:
  BOOL InitInstance() override;

 private:
  void RunOneArgumentMode(const char* job_name);
  void RunInteractiveMode();
};

CQuillmereControlApp theApp;

namespace {
// Held, never closed, until the process ends: the single-instance guard.
HANDLE g_instance_guard = nullptr;
}  // namespace

BOOL CQuillmereControlApp::InitInstance() {
  CWinApp::InitInstance();
  qm::InstallCsvMisuseMessageBox();
  qm::BuildPlayerPath(qm::g_Paths, qm::GetExecutableDirectory());
  if (m_argv.size() == 2) {
    RunOneArgumentMode(m_argv[1].c_str());
  } else {
    RunInteractiveMode();
  }
  return FALSE;
}

void CQuillmereControlApp::RunOneArgumentMode(const char* job_name) {
  const qm::OneArgumentModeContext context{qm::g_Paths.player, &qm::GetDataDirectory,
                                           &qm::SystemProcesses(),
                                           [](unsigned milliseconds) { Sleep(milliseconds); }};
  qm::RunOneArgumentMode(job_name, context);
}

void CQuillmereControlApp::RunInteractiveMode() {
  SetLastError(ERROR_SUCCESS);
  g_instance_guard = CreateMutexW(nullptr, TRUE, L"QuillmereControl");
  if (g_instance_guard == nullptr || GetLastError() == ERROR_ALREADY_EXISTS) return;

  qm::BuildInteractivePaths(qm::g_Paths, qm::GetExecutableDirectory(), &qm::GetDataDirectory);

  qm::MainDialogEnvironment environment;
  environment.data_directory = &qm::GetDataDirectory;
  environment.schedule_path = qm::g_Paths.schedule_file;
  environment.player_path = qm::g_Paths.player;
  environment.wake_keeper_path = qm::g_Paths.wake_keeper;
  environment.recorder_path = qm::g_Paths.recorder;
  CQuillmereControlDlg dialog(environment);
  m_pMainWnd = &dialog;
  ShowSplashScreen(m_pMainWnd);
  dialog.DoModal();
  m_pMainWnd = nullptr;
  // Whatever the state of scheduling: an id that names no running process
  // (never started, or already stopped) does nothing.
  qm::SystemProcesses().KillProcess(qm::g_CompanionWatch.wake_keeper_id);
}
