// The notification-area icon, the system menu's commands, and exit.
#include <cwchar>

#include "framework/cp932_text.h"
#include "framework/win_app.h"
#include "res/resource.h"
#include "scheduler/companion_watch.h"
#include "ui/exit_decision.h"
#include "ui/win/about_dialog.h"
#include "ui/win/quillmere_control_dlg.h"
#include "ui/win/yes_no_question.h"

namespace {
const char kTrayTip[] = "Quillmere";
const char kExitQuestion[] = "スケジュールされた作業は実施されなくなります。\n\nよろしいですか？";
}  // namespace

bool CQuillmereControlDlg::OnSysCommand(UINT id) {
  // The system keeps its own use of the low four bits of the command.
  if ((id & 0xFFF0) == IDM_ABOUTBOX) {
    CAboutDlg about;
    about.m_pParentWnd = this;
    about.DoModal();
    return true;
  }
  if ((id & 0xFFF0) == SC_MINIMIZE) {
    HideToTray();
    return true;
  }
  return false;
}

void CQuillmereControlDlg::OnHideToTray() { HideToTray(); }

void CQuillmereControlDlg::HideToTray() {
  m_TrayIcon = NOTIFYICONDATAW();
  m_TrayIcon.hWnd = m_hWnd;
  m_TrayIcon.cbSize = sizeof m_TrayIcon;
  m_TrayIcon.uID = 0;
  m_TrayIcon.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  HICON icon = AfxGetApp() != nullptr ? AfxGetApp()->LoadIcon(IDR_MAINFRAME) : nullptr;
  m_TrayIcon.uCallbackMessage = WM_QM_TRAY_NOTIFY;
  m_TrayIcon.hIcon = icon;
  std::wcsncpy(m_TrayIcon.szTip, qm::WideFromCp932(kTrayTip).c_str(),
               sizeof m_TrayIcon.szTip / sizeof m_TrayIcon.szTip[0] - 1);
  // Without an icon the window could never be brought back from hiding.
  if (!AddTrayIcon()) return;
  ShowWindow(SW_HIDE);
}

bool CQuillmereControlDlg::AddTrayIcon() {
  if (::Shell_NotifyIconW(NIM_ADD, &m_TrayIcon)) {
    m_bTrayIconPresent = true;
    return true;
  }
  // Hidden again while the icon is still there: the add finds it present.
  return m_bTrayIconPresent && ::Shell_NotifyIconW(NIM_MODIFY, &m_TrayIcon);
}

void CQuillmereControlDlg::RemoveTrayIcon() {
  if (!m_bTrayIconPresent) return;
  ::Shell_NotifyIconW(NIM_DELETE, &m_TrayIcon);
  m_bTrayIconPresent = false;
}

LRESULT CQuillmereControlDlg::OnTrayNotify(WPARAM, LPARAM mouse_message) {
  const UINT message = static_cast<UINT>(mouse_message);
  if (message == WM_MOUSEMOVE || message < WM_MOUSEFIRST || message > WM_MOUSELAST) return 0;
  ShowWindow(SW_SHOW);
  RemoveTrayIcon();
  return 0;
}

void CQuillmereControlDlg::OnTaskbarCreated() {
  // A restarted shell has forgotten the icon; without it a hidden window
  // could not come back, so it is shown when the icon cannot be added.
  if (!m_bTrayIconPresent || AddTrayIcon()) return;
  m_bTrayIconPresent = false;
  ShowWindow(SW_SHOW);
}

void CQuillmereControlDlg::OnExit() {
  const bool escape_held = (::GetAsyncKeyState(VK_ESCAPE) & 0x8000) != 0;
  const qm::ExitOutcome outcome =
      qm::DecideExit(escape_held, qm::g_CompanionWatch.scheduling_active,
                     [this] { return qm::AskYesNo(m_hWnd, kExitQuestion) != IDNO; });
  if (outcome == qm::ExitOutcome::kStay) return;
  SaveJobSchedule();
  CDialogEx::OnCancel();
}

void CQuillmereControlDlg::OnEndSession(bool ending) {
  // The session ends the dialog without the exit command: keep what was
  // typed since the last save.
  if (ending) SaveJobSchedule();
}
