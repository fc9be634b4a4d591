// The player: takes a job's record file and repeat file and ends when it has
// played them. Until playback exists it checks that both can be read; a
// wrong argument count or an unreadable file ends it at once with a
// non-zero status.
#include <windows.h>
// After windows.h, which they need.
#include <shellapi.h>

namespace {

enum ExitStatus { kPlayed = 0, kWrongArguments = 2, kUnreadableFile = 3 };

bool IsReadableFile(const wchar_t* path) {
  HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  BY_HANDLE_FILE_INFORMATION information;
  const bool is_file = GetFileInformationByHandle(file, &information) &&
                       (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
  char byte;
  DWORD read = 0;
  const bool readable = is_file && ReadFile(file, &byte, 1, &read, nullptr);
  CloseHandle(file);
  return readable;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  if (arguments == nullptr || count != 3) return kWrongArguments;
  const bool readable = IsReadableFile(arguments[1]) && IsReadableFile(arguments[2]);
  LocalFree(arguments);
  return readable ? kPlayed : kUnreadableFile;
}
