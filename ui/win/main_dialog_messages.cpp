// Routes the companion commands, the notification icon, the system menu and
// the session's end to their handlers.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include "res/resource.h"
#include "ui/win/quillmere_control_dlg.h"

namespace {
UINT TaskbarCreatedMessage() {
  static const UINT message = ::RegisterWindowMessageW(L"TaskbarCreated");
  return message;
}
}  // namespace

void CQuillmereControlDlg::OnOK() { OnJobDetails(); }

void CQuillmereControlDlg::OnCancel() { OnExit(); }

bool CQuillmereControlDlg::OnCompanionMessage(UINT message, WPARAM wparam, LPARAM lparam,
                                              LRESULT* result) {
  switch (message) {
    case WM_COMMAND:
      if (HIWORD(wparam) != BN_CLICKED) return false;
      switch (LOWORD(wparam)) {
        case IDC_ADD_BUTTON:
          OnAddJob();
          return true;
        case IDC_RUN_BUTTON:
          OnRunJob();
          return true;
        case IDC_TRAY_BUTTON:
          OnHideToTray();
          return true;
      }
      return false;
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lparam);
      if (header->idFrom != IDC_JOB_LIST || header->code != NM_DBLCLK) return false;
      OnJobListDblClick(header, result);
      return true;
    }
    case WM_SYSCOMMAND:
      *result = 0;
      return OnSysCommand(static_cast<UINT>(wparam));
    case WM_QM_TRAY_NOTIFY:
      *result = OnTrayNotify(wparam, lparam);
      return true;
    case WM_ENDSESSION:
      OnEndSession(wparam != FALSE);
      *result = 0;
      return true;
    case WM_DESTROY:
      // An icon left behind would outlive the program.
      RemoveTrayIcon();
      return false;
  }
  if (message != 0 && message == TaskbarCreatedMessage()) {
    OnTaskbarCreated();
    *result = 0;
    return true;
  }
  return false;
}
