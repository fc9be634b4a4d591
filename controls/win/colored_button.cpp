#include "controls/win/colored_button.h"

#include <string>

#include "controls/button_draw_plan.h"

namespace {

constexpr UINT kCaptionFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE;

void DrawCaption(HDC dc, const std::wstring& caption, RECT* rect, COLORREF colour) {
  const COLORREF previous = ::SetTextColor(dc, colour);
  ::SetBkMode(dc, TRANSPARENT);
  ::DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), rect, kCaptionFormat);
  ::SetTextColor(dc, previous);
}

}  // namespace

CCButton::~CCButton() = default;

void CCButton::DrawItem(DRAWITEMSTRUCT* item) {
  // The caption is read afresh each paint, so a new window text shows at once.
  const int length = ::GetWindowTextLengthW(m_hWnd);
  std::wstring caption(static_cast<std::size_t>(length > 0 ? length : 0) + 1, L'\0');
  const int copied = ::GetWindowTextW(m_hWnd, &caption[0], static_cast<int>(caption.size()));
  caption.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);

  HDC dc = item->hDC;
  RECT rect = item->rcItem;
  RECT focus = {rect.left + qm::kFocusInset, rect.top + qm::kFocusInset,
                rect.right - qm::kFocusInset, rect.bottom - qm::kFocusInset};

  HBRUSH background = ::CreateSolidBrush(m_BackColor);
  ::FillRect(dc, &rect, background);
  DrawCaption(dc, caption, &rect, m_TextColor);
  ::DrawEdge(dc, &rect, EDGE_RAISED, BF_RECT);

  const qm::ButtonDrawPlan plan = qm::PlanButtonDrawing(item->itemState);
  if (plan.sunken_edge) ::DrawEdge(dc, &rect, EDGE_SUNKEN, BF_RECT);
  if (plan.focus_rectangle) ::DrawFocusRect(dc, &focus);
  if (plan.disabled_caption) DrawCaption(dc, caption, &rect, m_DisabledTextColor);
  ::DeleteObject(background);
}
