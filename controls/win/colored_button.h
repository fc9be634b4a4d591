#pragma once
#include <windows.h>

#include "framework/simple_controls.h"

// An owner-drawn push button in colours its dialog writes into the public
// fields; they take effect at the next paint.
class CCButton : public CButton {
 public:
  ~CCButton() override;
  void DrawItem(DRAWITEMSTRUCT* item) override;

  COLORREF m_TextColor = RGB(0, 0, 0);
  COLORREF m_BackColor = RGB(200, 200, 200);
  COLORREF m_DisabledTextColor = RGB(255, 255, 255);
};
