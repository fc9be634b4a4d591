#include "ui/win/popup_message.h"

#include "app/bounded_format.h"
#include "res/resource.h"

CCButton g_StopButton;
CBrush g_PopupBackBrush(RGB(240, 240, 240));

namespace {
constexpr COLORREF kStopBack = RGB(200, 240, 240);
constexpr COLORREF kStopText = RGB(160, 40, 40);
constexpr COLORREF kBarBack = RGB(240, 240, 240);
constexpr COLORREF kBar = RGB(200, 200, 200);
constexpr ULONGLONG kStepMs = 1000;
}  // namespace

PopupMessage::PopupMessage(CWnd* parent) : CDialogEx(IDD_POPUP_MESSAGE, parent) {}

void PopupMessage::DoDataExchange(CDataExchange* exchange) {
  CDialogEx::DoDataExchange(exchange);
  DDX_Control(exchange, IDC_POPUP_JOB_LINE, m_NameEdit);
  DDX_Control(exchange, IDC_POPUP_PROGRESS, m_Progress);
}

BOOL PopupMessage::OnInitDialog() {
  CDialogEx::OnInitDialog();
  m_pStopButton = g_StopButton.m_hWnd == nullptr ? &g_StopButton : &m_OwnStopButton;
  m_pStopButton->SubclassDlgItem(IDC_POPUP_STOP_BUTTON, this);
  m_pStopButton->m_BackColor = kStopBack;
  m_pStopButton->m_TextColor = kStopText;
  m_pStopButton->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);

  char line[qm::kCellBufferSize];
  qm::ComposeBounded(line, "実行作業名〔%s〕", m_JobName);
  m_NameEdit.SetWindowText(line);
  m_NameEdit.SetReadOnly(TRUE);

  m_Progress.SetRange(0, kCountdownSteps);
  m_Progress.SendMessage(PBM_SETBKCOLOR, 0, kBarBack);
  m_Progress.SendMessage(PBM_SETBARCOLOR, 0, kBar);
  m_OpenedAt = ::GetTickCount64();
  StepCountdown();
  SetTimer(kEndTimer, kEndAfterMs);
  return TRUE;
}

void PopupMessage::StepCountdown() {
  // Full at once, one step less each second, 1 from the 54th second on.
  const ULONGLONG elapsed = ::GetTickCount64() - m_OpenedAt;
  const ULONGLONG step = elapsed / kStepMs;
  const int position = step >= kCountdownSteps ? 1 : kCountdownSteps - static_cast<int>(step);
  m_Progress.SetPos(position);
  if (position > 1) SetTimer(kCountdownTimer, static_cast<UINT>((step + 1) * kStepMs - elapsed));
}

void PopupMessage::OnTimer(UINT_PTR id) {
  KillTimer(id);
  if (id == kCountdownTimer) {
    StepCountdown();
    return;
  }
  KillTimer(kCountdownTimer);
  OnCancel();
}

HBRUSH PopupMessage::OnCtlColor(HDC dc, CWnd* control, UINT kind) {
  ::SetBkMode(dc, TRANSPARENT);
  switch (kind) {
    case CTLCOLOR_EDIT:
      ::SetTextColor(dc, RGB(0, 0, 0));
      return g_PopupBackBrush;
    case CTLCOLOR_DLG:
      return g_PopupBackBrush;
    case CTLCOLOR_STATIC: {
      const bool job_line = control != nullptr && control->m_hWnd == m_NameEdit.m_hWnd;
      ::SetTextColor(dc, job_line ? RGB(0, 0, 0) : RGB(255, 0, 0));
      return g_PopupBackBrush;
    }
  }
  return CDialogEx::OnCtlColor(dc, control, kind);
}
