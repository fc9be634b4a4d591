// Shows the main dialog over a throw-away data directory with sample jobs
// (one armed) for a few seconds, for looking at it and taking screenshots:
//   ui_dialog_preview.exe [seconds]
#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "framework/cp932_text.h"
#include "framework/win_app.h"
#include "ui/win/quillmere_control_dlg.h"

namespace {

void WriteFile(const std::string& path, const char* contents) {
  HANDLE file = ::CreateFileW(qm::WideFromCp932(path).c_str(), GENERIC_WRITE, 0, nullptr,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  ::WriteFile(file, contents, static_cast<DWORD>(lstrlenA(contents)), &written, nullptr);
  ::CloseHandle(file);
}

}  // namespace

int main(int argc, char** argv) {
  const int seconds = argc > 1 ? std::atoi(argv[1]) : 5;
  CWinApp application;
  application.m_hInstance = ::GetModuleHandleW(nullptr);
  application.InitInstance();

  wchar_t temp[MAX_PATH];
  ::GetTempPathW(MAX_PATH, temp);
  const std::string directory = qm::Cp932FromWide(temp) + "qm_ui_preview";
  ::CreateDirectoryW(qm::WideFromCp932(directory).c_str(), nullptr);
  const std::vector<std::string> jobs = {"日次バックアップ", "売上集計", "請求書の発行",
                                         "在庫データ取込", "週次レポート"};
  for (const std::string& job : jobs) {
    ::CreateDirectoryW(qm::WideFromCp932(directory + "\\" + job).c_str(), nullptr);
  }
  const std::string schedule = directory + "\\ExecTime.def";
  WriteFile(schedule, "売上集計,17:30,開始\r\n請求書の発行,09:00,停止\r\n");

  qm::MainDialogEnvironment environment;
  environment.data_directory = [directory]() { return directory.c_str(); };
  environment.schedule_path = schedule.c_str();
  CQuillmereControlDlg dialog(environment);
  application.m_pMainWnd = &dialog;
  if (!dialog.Create()) return 1;
  const DWORD end = ::GetTickCount() + static_cast<DWORD>(seconds) * 1000;
  while (::GetTickCount() < end) {
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (!::IsDialogMessageW(dialog.m_hWnd, &message)) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
      }
    }
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
  }
  return 0;
}
