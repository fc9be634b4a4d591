// Stands in for InputStudio.exe: appends its command line and a line feed to
// QM_FAKE_RECORDER_LOG, creates the folder QM_FAKE_RECORDER_NEW_FOLDER when
// started without a job name, and stays for QM_FAKE_RECORDER_LINGER_MS.
#include <windows.h>
#include <shellapi.h>

#include <cwchar>
#include <string>

namespace {

std::wstring Variable(const wchar_t* name) {
  wchar_t value[1024];
  const DWORD length = GetEnvironmentVariableW(name, value, ARRAYSIZE(value));
  return length > 0 && length < ARRAYSIZE(value) ? std::wstring(value, length) : std::wstring();
}

void AppendLine(const std::wstring& path, const std::wstring& line) {
  HANDLE file = CreateFileW(path.c_str(), FILE_APPEND_DATA, 0, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  const std::wstring text = line + L"\n";
  DWORD written = 0;
  WriteFile(file, text.data(), static_cast<DWORD>(text.size() * sizeof(wchar_t)), &written, nullptr);
  CloseHandle(file);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  const std::wstring log = Variable(L"QM_FAKE_RECORDER_LOG");
  if (!log.empty()) AppendLine(log, GetCommandLineW());
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  if (arguments != nullptr) LocalFree(arguments);
  const std::wstring folder = Variable(L"QM_FAKE_RECORDER_NEW_FOLDER");
  if (count == 1 && !folder.empty()) CreateDirectoryW(folder.c_str(), nullptr);
  const std::wstring linger = Variable(L"QM_FAKE_RECORDER_LINGER_MS");
  if (!linger.empty()) Sleep(static_cast<DWORD>(std::wcstoul(linger.c_str(), nullptr, 10)));
  return 0;
}
