#include "tests/wine/finish_support.h"

#include "tests/wine/shell_test_support.h"

namespace finish_test {

bool PumpUntil(const std::function<bool()>& done, DWORD guard_ms) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > guard_ms) return done();
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    Sleep(10);
  }
  return true;
}

void PumpFor(DWORD milliseconds) {
  const DWORD start = GetTickCount();
  PumpUntil([&] { return GetTickCount() - start >= milliseconds; }, milliseconds + 1000);
}

std::wstring ReadWideFile(const std::wstring& path) {
  const std::string bytes = shell_test::ReadFileBytes(path);
  return std::wstring(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / sizeof(wchar_t));
}

DialogAnswerer::DialogAnswerer(const wchar_t* caption, int command, DWORD process_id)
    : caption_(caption), command_(command), process_id_(process_id) {
  thread_ = std::thread([this] {
    // No time limit of its own: a box left unanswered would hold the test in
    // its modal loop for good.
    while (!stop_) {
      HWND box = FindProcessWindow(process_id_, L"#32770", caption_.c_str());
      if (box != nullptr) {
        owner_ = GetWindow(box, GW_OWNER);
        wchar_t text[512] = L"";
        GetDlgItemTextW(box, 0xFFFF, text, 512);  // a message box's text
        text_ = text;
        answered_ = true;
        PostMessageW(box, WM_COMMAND, MAKEWPARAM(command_, BN_CLICKED), 0);
        return;
      }
      Sleep(20);
    }
  });
}

DialogAnswerer::~DialogAnswerer() {
  stop_ = true;
  thread_.join();
}

}  // namespace finish_test
