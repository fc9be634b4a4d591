#pragma once
// Reaching into another program's windows: its dialogs by process, and the
// list-view and status-bar messages whose structures must lie in that
// program's own memory.
#include <windows.h>

#include <functional>
#include <string>

namespace sched_test {

// A visible or hidden top-level dialog of the process for which `accept`
// holds; nullptr when there is none.
HWND FindDialog(DWORD pid, const std::function<bool(HWND)>& accept);

std::wstring WindowText(HWND window);

class RemoteControls {
 public:
  explicit RemoteControls(DWORD pid);
  ~RemoteControls();
  RemoteControls(const RemoteControls&) = delete;
  RemoteControls& operator=(const RemoteControls&) = delete;

  std::wstring ListItemText(HWND list, int row, int column);
  // Selects and focuses the row, as a click does.
  void SelectListRow(HWND list, int row);
  std::wstring StatusPaneText(HWND status_bar, int pane);

 private:
  HANDLE process_;
  char* remote_;  // one page in the other process
};

// Polls `done` every 50 ms until it holds or `milliseconds` have passed.
bool WaitFor(const std::function<bool()>& done, DWORD milliseconds);

}  // namespace sched_test
