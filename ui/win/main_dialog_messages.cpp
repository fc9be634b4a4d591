// Routes the main dialog's commands and messages to their handlers.
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

bool CQuillmereControlDlg::OnCommand(WPARAM wparam, LPARAM lparam) {
  if (HIWORD(wparam) == BN_CLICKED) {
    switch (LOWORD(wparam)) {
      case IDC_ADD_BUTTON:
        OnAddJob();
        return true;
      case IDC_TRAY_BUTTON:
        OnHideToTray();
        return true;
    }
  }
  return CDialogEx::OnCommand(wparam, lparam);
}

bool CQuillmereControlDlg::OnWndMsg(UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result) {
  switch (message) {
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
  if (message == TaskbarCreatedMessage() && message != 0) {
    OnTaskbarCreated();
    *result = 0;
    return true;
  }
  return CDialogEx::OnWndMsg(message, wparam, lparam, result);
}
