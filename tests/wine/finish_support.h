#pragma once
#include "tests/wine/process_windows.h"
#include <windows.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>

namespace finish_test {

using qm_test::FindProcessWindow;

// Dispatches this thread's messages until done() holds or the guard passes;
// the result is done()'s last answer.
bool PumpUntil(const std::function<bool()>& done, DWORD guard_ms = 20000);
// Dispatches this thread's messages for about the given time.
void PumpFor(DWORD milliseconds);

std::wstring ReadWideFile(const std::wstring& path);

// Answers the first dialog-box window of the process with the caption that
// appears, from a
// thread of its own, since the box runs a modal loop on the thread under
// test: it notes the box's owner and its message text, then posts the
// command (IDOK, IDYES, IDNO) to it.
class DialogAnswerer {
 public:
  DialogAnswerer(const wchar_t* caption, int command, DWORD process_id = GetCurrentProcessId());
  ~DialogAnswerer();
  bool Answered() const { return answered_; }
  HWND owner() const { return owner_; }
  const std::wstring& text() const { return text_; }

 private:
  std::wstring caption_;
  int command_;
  DWORD process_id_;
  std::atomic<bool> answered_{false};
  std::atomic<bool> stop_{false};
  HWND owner_ = nullptr;
  std::wstring text_;
  std::thread thread_;
};

}  // namespace finish_test
