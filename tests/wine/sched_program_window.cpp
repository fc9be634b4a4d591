#include "tests/wine/sched_program_window.h"

#include <commctrl.h>

#include <cstring>

#include "tests/wine/process_windows.h"

namespace sched_test {
namespace {

constexpr size_t kRemoteBytes = 4096;
constexpr int kTextChars = 1024;

}  // namespace

HWND FindDialog(DWORD pid, const std::function<bool(HWND)>& accept) {
  return qm_test::FindProcessWindow(pid, [&](HWND window) {
    wchar_t name[16];
    return GetClassNameW(window, name, ARRAYSIZE(name)) > 0 && std::wcscmp(name, L"#32770") == 0 &&
           accept(window);
  });
}

std::wstring WindowText(HWND window) {
  wchar_t text[kTextChars] = L"";
  SendMessageW(window, WM_GETTEXT, ARRAYSIZE(text), reinterpret_cast<LPARAM>(text));
  return text;
}

RemoteControls::RemoteControls(DWORD pid)
    : process_(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid)),
      remote_(process_ != nullptr ? static_cast<char*>(VirtualAllocEx(
                                        process_, nullptr, kRemoteBytes, MEM_COMMIT | MEM_RESERVE,
                                        PAGE_READWRITE))
                                  : nullptr) {}

RemoteControls::~RemoteControls() {
  if (remote_ != nullptr) VirtualFreeEx(process_, remote_, 0, MEM_RELEASE);
  if (process_ != nullptr) CloseHandle(process_);
}

std::wstring RemoteControls::ListItemText(HWND list, int row, int column) {
  if (remote_ == nullptr) return L"(no access)";
  LVITEMW item = {};
  item.iSubItem = column;
  item.pszText = reinterpret_cast<LPWSTR>(remote_ + sizeof item);
  item.cchTextMax = kTextChars;
  WriteProcessMemory(process_, remote_, &item, sizeof item, nullptr);
  const LRESULT length = SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(remote_));
  std::wstring text(static_cast<size_t>(length), L'\0');
  if (length > 0) {
    ReadProcessMemory(process_, remote_ + sizeof item, &text[0], text.size() * sizeof(wchar_t),
                      nullptr);
  }
  return text;
}

void RemoteControls::SelectListRow(HWND list, int row) {
  if (remote_ == nullptr) return;
  LVITEMW item = {};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  item.state = LVIS_SELECTED | LVIS_FOCUSED;
  WriteProcessMemory(process_, remote_, &item, sizeof item, nullptr);
  SendMessageW(list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(remote_));
}

std::wstring RemoteControls::StatusPaneText(HWND status_bar, int pane) {
  if (remote_ == nullptr) return L"(no access)";
  const wchar_t nothing = L'\0';
  WriteProcessMemory(process_, remote_, &nothing, sizeof nothing, nullptr);
  const LRESULT answer = SendMessageW(status_bar, SB_GETTEXTW, pane, reinterpret_cast<LPARAM>(remote_));
  const size_t length = LOWORD(answer);
  if (length >= kRemoteBytes / sizeof(wchar_t)) return L"(too long)";
  std::wstring text(length, L'\0');
  if (length > 0) ReadProcessMemory(process_, remote_, &text[0], length * sizeof(wchar_t), nullptr);
  return text;
}

bool WaitFor(const std::function<bool()>& done, DWORD milliseconds) {
  const ULONGLONG end = GetTickCount64() + milliseconds;
  while (!done()) {
    if (GetTickCount64() >= end) return false;
    Sleep(50);
  }
  return true;
}

}  // namespace sched_test
