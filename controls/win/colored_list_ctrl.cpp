#include "controls/win/colored_list_ctrl.h"

#include "app/buffer_limits.h"
#include "jobs/row_state.h"

CColoredListCtrl::CColoredListCtrl() {
  const qm::RowColours defaults;
  m_OddRowColor = defaults.odd;
  m_EvenRowColor = defaults.even;
  m_ArmedRowColor = defaults.armed;
  m_SelectedRowColor = defaults.selected;
}

CColoredListCtrl::~CColoredListCtrl() = default;

bool CColoredListCtrl::OnChildNotify(UINT message, WPARAM, LPARAM lparam, LRESULT* result) {
  if (message != WM_NOTIFY) return false;
  auto* header = reinterpret_cast<NMHDR*>(lparam);
  if (header->code != NM_CUSTOMDRAW) return false;
  OnCustomDraw(header, result);
  return true;
}

void CColoredListCtrl::OnCustomDraw(NMHDR* header, LRESULT* result) {
  auto* draw = reinterpret_cast<NMLVCUSTOMDRAW*>(header);
  *result = CDRF_DODEFAULT;
  switch (draw->nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
      *result = CDRF_NOTIFYITEMDRAW;
      break;
    case CDDS_ITEMPREPAINT:
      draw->clrText = RGB(0, 0, 0);
      *result = CDRF_NOTIFYSUBITEMDRAW;
      break;
    case CDDS_ITEMPREPAINT | CDDS_SUBITEM: {
      const int row = static_cast<int>(draw->nmcd.dwItemSpec);
      char state[qm::kCellBufferSize];
      GetItemText(row, qm::kColumnState, state, sizeof state);
      const qm::RowColours colours{m_OddRowColor, m_EvenRowColor, m_ArmedRowColor,
                                   m_SelectedRowColor};
      draw->clrTextBk = qm::ChooseRowColour(row, g_nCurRow, state, colours);
      *result = CDRF_DODEFAULT;
      break;
    }
  }
}
