#pragma once
#include <windows.h>

#include <string>

// A window object around one window handle. An object bound with
// SubclassWindow becomes the window's permanent object: its WindowProc sees
// every message first, and notifications the window sends to a parent that
// is also a framework window are reflected back to it (OnChildNotify).
// The binding ends by itself when the window is destroyed, so a long-lived
// object can be bound again to the next window.
class CWnd {
 public:
  CWnd() = default;
  virtual ~CWnd();
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;

  HWND m_hWnd = nullptr;
  operator HWND() const { return m_hWnd; }

  // A plain handle wrapper; no messages are routed to the object.
  BOOL Attach(HWND window);
  HWND Detach();

  BOOL SubclassWindow(HWND window);
  BOOL SubclassDlgItem(UINT id, CWnd* parent);
  HWND UnsubclassWindow();

  // The object bound to a window by SubclassWindow (or a framework dialog),
  // nullptr when there is none.
  static CWnd* FromHandlePermanent(HWND window);
  // The permanent object if there is one, else a wrapper owned by the
  // framework that stays valid while the window exists.
  static CWnd* FromHandle(HWND window);

  CWnd* GetDlgItem(int id) const;
  int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
  CWnd* GetParent() const { return FromHandle(::GetParent(m_hWnd)); }

  BOOL ShowWindow(int command) { return ::ShowWindow(m_hWnd, command); }
  BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
  BOOL EnableWindow(BOOL enable = TRUE) { return ::EnableWindow(m_hWnd, enable); }
  BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
  BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
  CWnd* SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }

  // Texts are code page 932; the window holds them as UTF-16.
  void SetWindowText(const char* text);
  std::string GetWindowText() const;

  UINT_PTR SetTimer(UINT_PTR id, UINT elapse_ms) { return ::SetTimer(m_hWnd, id, elapse_ms, nullptr); }
  BOOL KillTimer(UINT_PTR id) { return ::KillTimer(m_hWnd, id); }

  BOOL RedrawWindow(const RECT* update = nullptr, HRGN region = nullptr,
                    UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE) {
    return ::RedrawWindow(m_hWnd, update, region, flags);
  }
  void Invalidate(BOOL erase = TRUE) { ::InvalidateRect(m_hWnd, nullptr, erase); }
  void SetRedraw(BOOL redraw = TRUE) { SendMessage(WM_SETREDRAW, redraw, 0); }
  void UpdateWindow() { ::UpdateWindow(m_hWnd); }
  void GetWindowRect(RECT* rect) const { ::GetWindowRect(m_hWnd, rect); }
  void GetClientRect(RECT* rect) const { ::GetClientRect(m_hWnd, rect); }
  LRESULT SendMessage(UINT message, WPARAM wparam = 0, LPARAM lparam = 0) const {
    return ::SendMessageW(m_hWnd, message, wparam, lparam);
  }
  HMENU GetSystemMenu(BOOL revert) const { return ::GetSystemMenu(m_hWnd, revert); }
  HICON SetIcon(HICON icon, BOOL big) {
    return reinterpret_cast<HICON>(SendMessage(WM_SETICON, big ? ICON_BIG : ICON_SMALL,
                                               reinterpret_cast<LPARAM>(icon)));
  }

  // Lays out the control bars among the children with ids first..last along
  // the edges of the client area (a status bar takes the bottom).
  void RepositionBars(UINT first, UINT last);

 protected:
  // Every message of a subclassed window comes here first.
  virtual LRESULT WindowProc(UINT message, WPARAM wparam, LPARAM lparam);
  // Handles a message; false leaves it to the window's own procedure.
  virtual bool OnWndMsg(UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result);
  // A notification (WM_NOTIFY, WM_DRAWITEM) that this window sent to its
  // parent, handed back to it; true when handled, with the parent's result.
  virtual bool OnChildNotify(UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result);
  // Offers a parent's WM_NOTIFY or WM_DRAWITEM to the child that sent it.
  static bool ReflectToChild(UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result);
  LRESULT Default(UINT message, WPARAM wparam, LPARAM lparam);

  // Binds this object as the window's permanent object (property only).
  void BindPermanent(HWND window);
  void UnbindPermanent();

 private:
  static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  WNDPROC m_pfnSuper = nullptr;
};
