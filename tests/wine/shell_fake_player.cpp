// Stands in for ReplayRunner.exe: records its command line beside itself,
// stays for QM_FAKE_PLAYER_LINGER_MS milliseconds when that is set, and
// leaves a mark when it ends.
#include <windows.h>

#include <cwchar>
#include <string>

namespace {

std::wstring OwnDirectory() {
  wchar_t module[MAX_PATH * 4];
  const DWORD length = GetModuleFileNameW(nullptr, module, ARRAYSIZE(module));
  std::wstring path(module, length);
  return path.substr(0, path.find_last_of(L'\\') + 1);
}

void WriteWide(const std::wstring& path, const wchar_t* text) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(file, text, static_cast<DWORD>(lstrlenW(text) * sizeof(wchar_t)), &written, nullptr);
  CloseHandle(file);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  const std::wstring directory = OwnDirectory();
  WriteWide(directory + L"player_command_line.txt", GetCommandLineW());
  wchar_t linger[32];
  if (GetEnvironmentVariableW(L"QM_FAKE_PLAYER_LINGER_MS", linger, ARRAYSIZE(linger)) > 0) {
    Sleep(static_cast<DWORD>(std::wcstoul(linger, nullptr, 10)));
  }
  WriteWide(directory + L"player_ended.txt", L"ended");
  return 0;
}
