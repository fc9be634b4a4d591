#pragma once
#include <windows.h>
#include <commctrl.h>

#include "framework/wnd.h"

// A push button. An owner-drawn one is painted by its object's DrawItem,
// reflected from the parent's WM_DRAWITEM.
class CButton : public CWnd {
 public:
  virtual void DrawItem(DRAWITEMSTRUCT* item);

 protected:
  bool OnChildNotify(UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result) override;
};

class CEdit : public CWnd {
 public:
  void LimitText(int characters) { SendMessage(EM_LIMITTEXT, static_cast<WPARAM>(characters)); }
  BOOL SetReadOnly(BOOL read_only = TRUE) {
    return static_cast<BOOL>(SendMessage(EM_SETREADONLY, read_only));
  }
};

class CProgressCtrl : public CWnd {
 public:
  void SetRange(short lower, short upper) { SendMessage(PBM_SETRANGE, 0, MAKELPARAM(lower, upper)); }
  int SetPos(int position) { return static_cast<int>(SendMessage(PBM_SETPOS, static_cast<WPARAM>(position))); }
  int GetPos() const { return static_cast<int>(SendMessage(PBM_GETPOS)); }
  int SetStep(int step) { return static_cast<int>(SendMessage(PBM_SETSTEP, static_cast<WPARAM>(step))); }
  int StepIt() { return static_cast<int>(SendMessage(PBM_STEPIT)); }
};

class CAnimateCtrl : public CWnd {
 public:
  // Opens an "AVI" resource of the program's module.
  BOOL Open(UINT resource_id);
  // repeat -1 plays without end; to 0xFFFF means the last frame.
  BOOL Play(UINT from, UINT to, UINT repeat) {
    return static_cast<BOOL>(SendMessage(ACM_PLAY, static_cast<WPARAM>(repeat), MAKELPARAM(from, to)));
  }
  BOOL Stop() { return static_cast<BOOL>(SendMessage(ACM_STOP)); }
};

// A solid GDI brush owned by the object.
class CBrush {
 public:
  explicit CBrush(COLORREF colour) : m_hObject(::CreateSolidBrush(colour)) {}
  ~CBrush() {
    if (m_hObject != nullptr) ::DeleteObject(m_hObject);
  }
  CBrush(const CBrush&) = delete;
  CBrush& operator=(const CBrush&) = delete;
  operator HBRUSH() const { return m_hObject; }
  HBRUSH m_hObject;
};
