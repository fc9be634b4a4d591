#include "tests/wine/process_windows.h"

namespace qm_test {
namespace {

struct WindowSearch {
  DWORD process_id;
  const std::function<bool(HWND)>* accept;
  HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<WindowSearch*>(parameter);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search->process_id || !(*search->accept)(window)) return TRUE;
  search->found = window;
  return FALSE;
}

}  // namespace

HWND FindProcessWindow(DWORD process_id, const std::function<bool(HWND)>& accept) {
  WindowSearch search = {process_id, &accept, nullptr};
  EnumWindows(&MatchWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND FindProcessWindow(DWORD process_id, const wchar_t* class_name, const wchar_t* title) {
  return FindProcessWindow(process_id, [&](HWND window) {
    if (!IsWindowVisible(window)) return false;
    wchar_t text[256] = L"";
    if (class_name != nullptr) {
      GetClassNameW(window, text, 256);
      if (lstrcmpiW(text, class_name) != 0) return false;
    }
    if (title != nullptr) {
      GetWindowTextW(window, text, 256);
      if (lstrcmpW(text, title) != 0) return false;
    }
    return true;
  });
}

}  // namespace qm_test
