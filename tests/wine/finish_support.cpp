#include "tests/wine/finish_support.h"

namespace finish_test {

namespace {
struct WindowSearch {
  DWORD process_id;
  const wchar_t* class_name;
  const wchar_t* title;
  HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<WindowSearch*>(parameter);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search->process_id || !IsWindowVisible(window)) return TRUE;
  wchar_t text[256] = L"";
  if (search->class_name != nullptr) {
    GetClassNameW(window, text, 256);
    if (lstrcmpiW(text, search->class_name) != 0) return TRUE;
  }
  if (search->title != nullptr) {
    GetWindowTextW(window, text, 256);
    if (lstrcmpW(text, search->title) != 0) return TRUE;
  }
  search->found = window;
  return FALSE;
}
}  // namespace

HWND FindProcessWindow(DWORD process_id, const wchar_t* class_name, const wchar_t* title) {
  WindowSearch search = {process_id, class_name, title, nullptr};
  EnumWindows(&MatchWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

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
