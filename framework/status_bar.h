#pragma once
#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "framework/wnd.h"

// Pane styles of a status bar.
constexpr UINT SBPS_NORMAL = 0x0000;
constexpr UINT SBPS_STRETCH = 0x08000000;
// The control-bar style that puts a bar at the bottom of its parent.
constexpr DWORD CBRS_BOTTOM = 0x8000 | 0x0200;
constexpr UINT AFX_IDW_STATUS_BAR = 0xE801;
constexpr UINT AFX_IDW_CONTROLBAR_FIRST = 0xE800;
constexpr UINT AFX_IDW_CONTROLBAR_LAST = 0xE8FF;

// A status window with panes of fixed width and at most one stretching pane
// that takes the width left over. The parent lays it out with RepositionBars.
class CStatusBar : public CWnd {
 public:
  // style may carry CBRS_BOTTOM; the window itself is a plain status window
  // that keeps the place its parent gives it.
  BOOL Create(CWnd* parent, DWORD style = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM,
              UINT id = AFX_IDW_STATUS_BAR);
  BOOL SetIndicators(const UINT* ids, int count);
  void SetPaneInfo(int index, UINT id, UINT style, int width);
  void GetPaneInfo(int index, UINT& id, UINT& style, int& width) const;
  BOOL SetPaneText(int index, const char* text, BOOL update = TRUE);
  int GetCount() const { return static_cast<int>(m_panes.size()); }

 protected:
  bool OnWndMsg(UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result) override;

 private:
  struct Pane {
    UINT id = 0;
    UINT style = SBPS_NORMAL;
    int width = 0;
  };
  // Hands the panes' right edges to the window for its current width.
  void ApplyPanes();
  std::vector<Pane> m_panes;
};
