#include "tests/wine/finish_support.h"

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

std::string ReadBytes(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::string();
  std::string bytes;
  char buffer[4096];
  DWORD read = 0;
  while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) bytes.append(buffer, read);
  CloseHandle(file);
  return bytes;
}

std::wstring ReadWideFile(const std::wstring& path) {
  const std::string bytes = ReadBytes(path);
  return std::wstring(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / sizeof(wchar_t));
}

DialogAnswerer::DialogAnswerer(const wchar_t* caption, int command)
    : caption_(caption), command_(command) {
  thread_ = std::thread([this] {
    const DWORD start = GetTickCount();
    while (!stop_ && GetTickCount() - start < 20000) {
      HWND box = FindWindowW(L"#32770", caption_.c_str());
      if (box != nullptr && IsWindowVisible(box)) {
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
