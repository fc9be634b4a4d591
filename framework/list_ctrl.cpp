#include "framework/list_ctrl.h"

#include <cstring>
#include <vector>

#include "framework/cp932_text.h"

namespace {

// Cut point of a code page 932 text at most `limit` bytes long that does not
// split a double-byte character.
std::size_t WholeCharacterPrefix(const std::string& text, std::size_t limit) {
  std::size_t end = 0;
  while (end < text.size()) {
    const unsigned char byte = static_cast<unsigned char>(text[end]);
    const bool lead = (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
    const std::size_t step = lead && end + 1 < text.size() ? 2 : 1;
    if (end + step > limit) break;
    end += step;
  }
  return end;
}

}  // namespace

int CListCtrl::InsertColumn(int column, const char* heading, int format, int width, int sub_item) {
  std::wstring title = qm::WideFromCp932(heading);
  LVCOLUMNW descriptor = {};
  descriptor.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
  descriptor.fmt = format;
  descriptor.cx = width;
  descriptor.pszText = &title[0];
  descriptor.iSubItem = sub_item;
  return static_cast<int>(SendMessage(LVM_INSERTCOLUMNW, static_cast<WPARAM>(column),
                                      reinterpret_cast<LPARAM>(&descriptor)));
}

int CListCtrl::InsertItem(int item, const char* text) {
  std::wstring wide = qm::WideFromCp932(text);
  LVITEMW record = {};
  record.mask = LVIF_TEXT;
  record.iItem = item;
  record.pszText = &wide[0];
  return static_cast<int>(SendMessage(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&record)));
}

BOOL CListCtrl::SetItemText(int item, int sub_item, const char* text) {
  if (item < 0 || item >= GetItemCount()) return FALSE;
  std::wstring wide = qm::WideFromCp932(text);
  LVITEMW record = {};
  record.mask = LVIF_TEXT;
  record.iItem = item;
  record.iSubItem = sub_item;
  record.pszText = &wide[0];
  return static_cast<BOOL>(SendMessage(LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&record)));
}

std::string CListCtrl::GetItemText(int item, int sub_item) const {
  if (item < 0 || item >= GetItemCount()) return std::string();
  // A cell is read through 512 characters, more than any code page 932 text
  // of 511 bytes can need.
  std::vector<wchar_t> wide(512, L'\0');
  LVITEMW record = {};
  record.iSubItem = sub_item;
  record.pszText = wide.data();
  record.cchTextMax = static_cast<int>(wide.size());
  SendMessage(LVM_GETITEMTEXTW, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&record));
  wide.back() = L'\0';
  return qm::Cp932FromWide(wide.data());
}

int CListCtrl::GetItemText(int item, int sub_item, char* buffer, std::size_t size) const {
  if (buffer == nullptr || size == 0) return 0;
  const std::string text = GetItemText(item, sub_item);
  const std::size_t length = WholeCharacterPrefix(text, size - 1);
  std::memcpy(buffer, text.data(), length);
  buffer[length] = '\0';
  return static_cast<int>(length);
}

BOOL CListCtrl::SetItemState(int item, UINT state, UINT mask) {
  LVITEMW record = {};
  record.state = state;
  record.stateMask = mask;
  return static_cast<BOOL>(SendMessage(LVM_SETITEMSTATE, static_cast<WPARAM>(item),
                                       reinterpret_cast<LPARAM>(&record)));
}
