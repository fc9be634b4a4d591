#pragma once
#include <windows.h>
#include <commctrl.h>

#include <cstddef>
#include <string>

#include "framework/wnd.h"

// A report-view list control. Texts are code page 932; the control holds
// them as UTF-16.
class CListCtrl : public CWnd {
 public:
  int InsertColumn(int column, const char* heading, int format, int width, int sub_item);
  int InsertItem(int item, const char* text);
  BOOL SetItemText(int item, int sub_item, const char* text);
  // Copies the cell's text into buffer, cut to size - 1 bytes at a whole
  // character; returns its length. A cell outside the list gives "".
  int GetItemText(int item, int sub_item, char* buffer, std::size_t size) const;
  std::string GetItemText(int item, int sub_item) const;
  int GetItemCount() const { return static_cast<int>(SendMessage(LVM_GETITEMCOUNT)); }
  BOOL DeleteAllItems() { return static_cast<BOOL>(SendMessage(LVM_DELETEALLITEMS)); }
  DWORD GetExtendedStyle() const {
    return static_cast<DWORD>(SendMessage(LVM_GETEXTENDEDLISTVIEWSTYLE));
  }
  DWORD SetExtendedStyle(DWORD styles) {
    return static_cast<DWORD>(SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, styles));
  }
  int GetNextItem(int start, int flags) const {
    return static_cast<int>(SendMessage(LVM_GETNEXTITEM, static_cast<WPARAM>(start), flags));
  }
  BOOL SetItemState(int item, UINT state, UINT mask);
  int GetColumnWidth(int column) const {
    return static_cast<int>(SendMessage(LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column)));
  }
  // Repaints one item (and arranges the list if it is auto-arranged).
  BOOL Update(int item) { return static_cast<BOOL>(SendMessage(LVM_UPDATE, static_cast<WPARAM>(item))); }
};
