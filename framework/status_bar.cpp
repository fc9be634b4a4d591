#include "framework/status_bar.h"

#include "framework/cp932_text.h"
#include "framework/win_app.h"

namespace {
// The control-bar bits mean nothing to the status window itself.
constexpr DWORD kControlBarStyles = 0xFFFF;
}

BOOL CStatusBar::Create(CWnd* parent, DWORD style, UINT id) {
  if (parent == nullptr || m_hWnd != nullptr) return FALSE;
  HWND window = ::CreateWindowExW(0, STATUSCLASSNAMEW, L"", style & ~kControlBarStyles, 0, 0, 0, 0,
                                  parent->m_hWnd, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                                  AfxGetInstanceHandle(), nullptr);
  if (window == nullptr) return FALSE;
  if (!SubclassWindow(window)) {
    ::DestroyWindow(window);
    return FALSE;
  }
  // The window works out its own height from its font when it is sized.
  SendMessage(WM_SIZE);
  return TRUE;
}

BOOL CStatusBar::SetIndicators(const UINT* ids, int count) {
  if (count < 0 || (count > 0 && ids == nullptr)) return FALSE;
  m_panes.assign(static_cast<std::size_t>(count), Pane());
  for (int i = 0; i < count; ++i) m_panes[static_cast<std::size_t>(i)].id = ids[i];
  ApplyPanes();
  return TRUE;
}

void CStatusBar::SetPaneInfo(int index, UINT id, UINT style, int width) {
  if (index < 0 || index >= GetCount()) return;
  Pane& pane = m_panes[static_cast<std::size_t>(index)];
  pane.id = id;
  pane.style = style;
  pane.width = width;
  ApplyPanes();
}

void CStatusBar::GetPaneInfo(int index, UINT& id, UINT& style, int& width) const {
  if (index < 0 || index >= GetCount()) {
    id = 0;
    style = 0;
    width = 0;
    return;
  }
  const Pane& pane = m_panes[static_cast<std::size_t>(index)];
  id = pane.id;
  style = pane.style;
  width = pane.width;
}

BOOL CStatusBar::SetPaneText(int index, const char* text, BOOL update) {
  if (index < 0 || index >= GetCount()) return FALSE;
  const std::wstring wide = qm::WideFromCp932(text);
  if (!SendMessage(SB_SETTEXTW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(wide.c_str()))) {
    return FALSE;
  }
  if (update) {
    RECT pane;
    if (SendMessage(SB_GETRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&pane))) {
      ::InvalidateRect(m_hWnd, &pane, TRUE);
    }
    UpdateWindow();
  }
  return TRUE;
}

void CStatusBar::ApplyPanes() {
  if (m_hWnd == nullptr || m_panes.empty()) return;
  RECT client;
  GetClientRect(&client);
  int fixed = 0;
  for (const Pane& pane : m_panes) {
    if (!(pane.style & SBPS_STRETCH)) fixed += pane.width;
  }
  // The first stretching pane takes what the fixed ones leave, never less than nothing.
  int stretch = client.right - client.left - fixed;
  if (stretch < 0) stretch = 0;
  std::vector<int> right_edges;
  int edge = 0;
  bool stretched = false;
  for (const Pane& pane : m_panes) {
    const bool takes_rest = (pane.style & SBPS_STRETCH) && !stretched;
    stretched = stretched || takes_rest;
    edge += takes_rest ? stretch : pane.width;
    right_edges.push_back(edge);
  }
  SendMessage(SB_SETPARTS, right_edges.size(), reinterpret_cast<LPARAM>(right_edges.data()));
}

bool CStatusBar::OnWndMsg(UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result) {
  if (message != WM_SIZE) return false;
  *result = Default(message, wparam, lparam);
  ApplyPanes();
  return true;
}
