#include "framework/simple_controls.h"

#include "framework/win_app.h"

void CButton::DrawItem(DRAWITEMSTRUCT*) {}

bool CButton::OnChildNotify(UINT message, WPARAM, LPARAM lparam, LRESULT* result) {
  if (message != WM_DRAWITEM) return false;
  DrawItem(reinterpret_cast<DRAWITEMSTRUCT*>(lparam));
  *result = TRUE;
  return true;
}

BOOL CAnimateCtrl::Open(UINT resource_id) {
  return static_cast<BOOL>(SendMessage(ACM_OPENW, reinterpret_cast<WPARAM>(AfxGetInstanceHandle()),
                                       reinterpret_cast<LPARAM>(MAKEINTRESOURCEW(resource_id))));
}
