#pragma once
#include <windows.h>

#include "framework/wnd.h"

class CDialogEx;

// Control binding during a dialog's initialisation (no values are exchanged).
class CDataExchange {
 public:
  CDataExchange(CDialogEx* dialog, BOOL save) : m_pDlgWnd(dialog), m_bSaveAndValidate(save) {}
  CDialogEx* m_pDlgWnd;
  BOOL m_bSaveAndValidate;
};

// Binds the dialog's control `id` to `control` once; a control already bound
// stays as it is.
void DDX_Control(CDataExchange* exchange, int id, CWnd& control);

// A dialog built from a template resource. Its handlers are virtual
// functions; a derived dialog's message map is its OnWndMsg.
class CDialogEx : public CWnd {
 public:
  explicit CDialogEx(UINT template_id, CWnd* parent = nullptr)
      : m_nIDTemplate(template_id), m_pParentWnd(parent) {}
  ~CDialogEx() override;

  // Runs the dialog in its own modal loop; the value given to EndDialog, or
  // -1 when the dialog cannot be created.
  virtual INT_PTR DoModal();
  // Creates the dialog modeless (tests, or a dialog that lives beside others).
  BOOL Create(CWnd* parent = nullptr);
  BOOL DestroyWindow();
  void EndDialog(int result);

  BOOL UpdateData(BOOL save = TRUE);

  UINT m_nIDTemplate;
  CWnd* m_pParentWnd;

 protected:
  virtual void DoDataExchange(CDataExchange* exchange);
  virtual BOOL OnInitDialog();
  virtual void OnOK();
  virtual void OnCancel();
  // Returns the brush for the control; nullptr leaves the colours to the
  // dialog manager. kind is CTLCOLOR_MSGBOX ... CTLCOLOR_STATIC.
  virtual HBRUSH OnCtlColor(HDC dc, CWnd* control, UINT kind);
  // False leaves painting to the dialog manager.
  virtual bool OnPaint();
  virtual HCURSOR OnQueryDragIcon();
  virtual void OnTimer(UINT_PTR id);
  // WM_COMMAND; false when not handled.
  virtual bool OnCommand(WPARAM wparam, LPARAM lparam);

  bool OnWndMsg(UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result) override;

 private:
  static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  static bool ReturnsValueDirectly(UINT message);
  bool m_bModal = false;
};
