#pragma once
#include <windows.h>
#include <commctrl.h>

#include "controls/row_colour.h"
#include "framework/list_ctrl.h"
#include "jobs/job_table.h"

// The job list: a report view that colours each row while the control paints
// it, and the Win32 home of the job table.
class CColoredListCtrl : public CListCtrl, public qm::JobTable {
 public:
  CColoredListCtrl();
  ~CColoredListCtrl() override;

  COLORREF m_OddRowColor;
  COLORREF m_EvenRowColor;
  COLORREF m_ArmedRowColor;
  COLORREF m_SelectedRowColor;

  using CListCtrl::GetItemText;
  using CListCtrl::SetItemText;

  // qm::JobTable
  int RowCount() const override { return GetItemCount(); }
  void GetItemText(int row, int column, char* buffer, std::size_t size) const override {
    CListCtrl::GetItemText(row, column, buffer, size);
  }
  void SetItemText(int row, int column, const char* text) override {
    CListCtrl::SetItemText(row, column, text);
  }
  void DeleteAllRows() override { DeleteAllItems(); }
  void AppendRow(const char* number_text) override { InsertItem(GetItemCount(), number_text); }

 protected:
  void OnCustomDraw(NMHDR* header, LRESULT* result);
  bool OnChildNotify(UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result) override;
};
