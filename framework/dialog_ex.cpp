#include "framework/dialog_ex.h"

#include "framework/win_app.h"

void DDX_Control(CDataExchange* exchange, int id, CWnd& control) {
  if (control.m_hWnd == nullptr) control.SubclassDlgItem(static_cast<UINT>(id), exchange->m_pDlgWnd);
}

CDialogEx::~CDialogEx() {
  if (m_hWnd != nullptr && ::IsWindow(m_hWnd)) {
    HWND window = m_hWnd;
    UnbindPermanent();
    if (!m_bModal) ::DestroyWindow(window);
  }
}

INT_PTR CDialogEx::DoModal() {
  m_bModal = true;
  HWND parent = m_pParentWnd != nullptr ? m_pParentWnd->m_hWnd : nullptr;
  if (parent == nullptr && AfxGetApp() != nullptr && AfxGetApp()->m_pMainWnd != nullptr &&
      AfxGetApp()->m_pMainWnd != this) {
    parent = AfxGetApp()->m_pMainWnd->m_hWnd;
  }
  const INT_PTR result = ::DialogBoxParamW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(m_nIDTemplate),
                                           parent, &CDialogEx::DialogProc,
                                           reinterpret_cast<LPARAM>(this));
  m_bModal = false;
  return result;
}

BOOL CDialogEx::Create(CWnd* parent) {
  if (parent != nullptr) m_pParentWnd = parent;
  m_bModal = false;
  HWND window = ::CreateDialogParamW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(m_nIDTemplate),
                                     m_pParentWnd != nullptr ? m_pParentWnd->m_hWnd : nullptr,
                                     &CDialogEx::DialogProc, reinterpret_cast<LPARAM>(this));
  return window != nullptr;
}

BOOL CDialogEx::DestroyWindow() { return m_hWnd != nullptr && ::DestroyWindow(m_hWnd); }

void CDialogEx::EndDialog(int result) {
  if (m_bModal) {
    ::EndDialog(m_hWnd, result);
  } else {
    ShowWindow(SW_HIDE);
  }
}

BOOL CDialogEx::UpdateData(BOOL save) {
  CDataExchange exchange(this, save);
  DoDataExchange(&exchange);
  return TRUE;
}

void CDialogEx::DoDataExchange(CDataExchange*) {}

BOOL CDialogEx::OnInitDialog() {
  UpdateData(FALSE);
  return TRUE;
}

void CDialogEx::OnOK() { EndDialog(IDOK); }

void CDialogEx::OnCancel() { EndDialog(IDCANCEL); }

HBRUSH CDialogEx::OnCtlColor(HDC, CWnd*, UINT) { return nullptr; }

bool CDialogEx::OnPaint() { return false; }

HCURSOR CDialogEx::OnQueryDragIcon() { return nullptr; }

void CDialogEx::OnTimer(UINT_PTR) {}

bool CDialogEx::OnCommand(WPARAM wparam, LPARAM) {
  if (HIWORD(wparam) != BN_CLICKED) return false;
  switch (LOWORD(wparam)) {
    case IDOK:
      OnOK();
      return true;
    case IDCANCEL:
      OnCancel();
      return true;
  }
  return false;
}

namespace {
// WM_CTLCOLORMSGBOX to WM_CTLCOLORSTATIC are consecutive, in CTLCOLOR_* order.
bool IsControlColourMessage(UINT message) {
  return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}
}  // namespace

bool CDialogEx::OnWndMsg(UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result) {
  if (IsControlColourMessage(message)) {
    HBRUSH brush = OnCtlColor(reinterpret_cast<HDC>(wparam),
                              CWnd::FromHandle(reinterpret_cast<HWND>(lparam)),
                              message - WM_CTLCOLORMSGBOX);
    *result = reinterpret_cast<LRESULT>(brush);
    return brush != nullptr;
  }
  switch (message) {
    case WM_INITDIALOG:
      *result = OnInitDialog();
      return true;
    case WM_COMMAND:
      return OnCommand(wparam, lparam);
    case WM_PAINT:
      return OnPaint();
    case WM_QUERYDRAGICON: {
      HCURSOR icon = OnQueryDragIcon();
      *result = reinterpret_cast<LRESULT>(icon);
      return icon != nullptr;
    }
    case WM_TIMER:
      OnTimer(static_cast<UINT_PTR>(wparam));
      return true;
  }
  return false;
}

bool CDialogEx::ReturnsValueDirectly(UINT message) {
  if (IsControlColourMessage(message)) return true;
  switch (message) {
    case WM_INITDIALOG:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
      return true;
  }
  return false;
}

INT_PTR CALLBACK CDialogEx::DialogProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  CDialogEx* dialog = nullptr;
  if (message == WM_INITDIALOG) {
    dialog = reinterpret_cast<CDialogEx*>(lparam);
    dialog->BindPermanent(window);
  } else {
    dialog = static_cast<CDialogEx*>(FromHandlePermanent(window));
  }
  if (dialog == nullptr) return FALSE;
  if (message == WM_NCDESTROY) {
    dialog->UnbindPermanent();
    return FALSE;
  }

  LRESULT result = 0;
  const bool handled = ReflectToChild(message, wparam, lparam, &result) ||
                       dialog->OnWndMsg(message, wparam, lparam, &result);
  if (!handled) return FALSE;
  if (ReturnsValueDirectly(message)) return static_cast<INT_PTR>(result);
  ::SetWindowLongPtrW(window, DWLP_MSGRESULT, result);
  return TRUE;
}
