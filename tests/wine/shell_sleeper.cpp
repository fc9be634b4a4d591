// A stand-in companion for the process tests: "exit" ends it at once;
// otherwise it waits to be terminated (and gives up after a minute, so a
// failed test leaves nothing running).
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR arguments, int) {
  if (lstrcmpW(arguments, L"exit") == 0) return 0;
  Sleep(60000);
  return 0;
}
